#!/usr/bin/env python3
"""Writes Kurumin receive folders made up by the project itself (no real person's mail).

  make_drawers.py sample DIR          a small Japanese demo folder with two drawers
  make_drawers.py bench DIR COUNT [LAYOUT]
                                      one drawer 受信メール of COUNT mails (~1 KB bodies, mixed kinds);
                                      LAYOUT is where the texts lie in the drawer file: list (in list
                                      order, the default), reversed, shuffled, or gaps (list order with
                                      8 KiB of unused bytes after every 4th mail)
  make_drawers.py kept DIR KIND       bytes (header and body) of the mails of kind KIND (2: pet mail)
                                      in DIR's inbox
  make_drawers.py ranges DIR          bytes of the header and body ranges of all mails in DIR's inbox

The list and drawer layouts are described in docs/drawer-format.md.
"""
import datetime
import os
import random
import struct
import sys

EVENT_SENDER = "event@park.kurumin.ne.jp"
DIARY_TYPE = 'multipart/mixed; boundary="***kiritorisen***"'
WEEKDAYS = ["Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"]
MONTHS = ["Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"]


def sjis(text):
    return text if isinstance(text, bytes) else text.encode("cp932")


def date_text(moment):
    return "%s, %d %s %04d %02d:%02d:%02d +0900" % (
        WEEKDAYS[moment.weekday()], moment.day, MONTHS[moment.month - 1], moment.year,
        moment.hour, moment.minute, moment.second)


class Drawer:
    """Collects mails and writes the drawer file and its list file."""

    def __init__(self):
        self.mails = []  # (header bytes, body bytes, index texts) in list order

    def add(self, sender, subject, moment, headers, body):
        """Texts are str (written in CP932) or bytes (written as they are)."""
        header = "".join("%s: %s\r\n" % kv for kv in headers) + "\r\n"
        self.mails.append((sjis(header), sjis(body), (sender, "", "", subject, date_text(moment))))

    def layout(self, order, gap_every=0, gap=b""):
        """Lays the texts out in the drawer file in `order` (list positions); returns the drawer
        bytes and the list bytes (always in list order)."""
        data = bytearray()
        where = [None] * len(self.mails)
        for n, i in enumerate(order):
            header, body, _ = self.mails[i]
            where[i] = (len(data), len(data) + len(header), len(body))
            data += header + body
            if gap_every and n % gap_every == gap_every - 1:
                data += gap
        index = bytearray()
        for (header_offset, body_offset, body_length), (_, _, texts) in zip(where, self.mails):
            payload = struct.pack("<IIII", header_offset, body_offset, body_length, 0)
            for text in texts:
                payload += sjis(text) + b"\0"
            payload += b"\0\0" + b"\0"  # two flag bytes and an empty extra text (version 1)
            index += b"SsS1" + struct.pack("<I", len(payload)) + payload + b"EeE1"
        return data, index

    def write(self, folder, title, layout="list"):
        count = len(self.mails)
        order = list(range(count))
        gap_every, gap = 0, b""
        if layout == "reversed":
            order.reverse()
        elif layout == "shuffled":
            random.Random(count).shuffle(order)
        elif layout == "gaps":
            gap_every, gap = 4, b"\xff" * 8192  # space of mails the host program deleted
        elif layout != "list":
            sys.exit("unknown layout " + layout)
        self.data, self.index = self.layout(order, gap_every, gap)
        os.makedirs(folder, exist_ok=True)
        list_title = title[:-3] if title.endswith("受信メール") else title
        with open(os.path.join(folder, title + ".krm"), "wb") as f:
            f.write(self.data)
        with open(os.path.join(folder, list_title + "リスト.krl"), "wb") as f:
            f.write(self.index)


def pet_mail(drawer, pet, moment, lines):
    body = "\r\n".join(lines + ["-----", pet]) + "\r\n"
    drawer.add("%s <pet@kurumin.invalid>" % pet, "%sからのお手紙" % pet, moment,
               [("From", "pet@kurumin.invalid"), ("X-Kurumin-Message", "2"),
                ("Content-Type", "text/plain; charset=iso-2022-jp")], body)


def diary(drawer, pet, moment, lines):
    body = "--***kiritorisen***\r\n\r\n" + "\r\n".join(lines) + "\r\n--***kiritorisen***--\r\n"
    drawer.add("%s <pet@kurumin.invalid>" % pet, "こっそりノート", moment,
               [("From", "pet@kurumin.invalid"), ("Content-Type", DIARY_TYPE)], body)


def event(drawer, moment, title, lines):
    drawer.add("Kurumin Park <%s>" % EVENT_SENDER, title, moment,
               [("From", EVENT_SENDER), ("X-Mailer", "Kurumin for Event Server 1.0")],
               "\r\n".join(lines) + "\r\n")


def other(drawer, moment):
    drawer.add("friend@example.invalid", "こんにちは", moment,
               [("From", "friend@example.invalid")], "ひさしぶり！元気？\r\n")


def sample_drawers():
    """The demo's drawers: (inbox, trip)."""
    inbox, trip = Drawer(), Drawer()
    start = datetime.datetime(2026, 7, 3, 8, 15, 0)
    diary_lines = [
        ["きょうは、にわでダンゴムシをみつけたでちゅ。", "まるくなって、かわいかったでちゅ。"],
        ["あめがふってたので、おうちでおひるねしたでちゅ。"],
        ["ごしゅじんさまが、おやつをくれたでちゅ！", "ひまわりのたね、だいすきでちゅ。"],
        ["あたらしいトンネルをほったでちゅ。ソファの下まで、とどいたでちゅ。"],
    ]
    for i in range(16):
        moment = start + datetime.timedelta(days=9 * i, hours=i % 5)
        pet = "モグ" if i % 2 == 0 else "ハム"
        diary(inbox, pet, moment, diary_lines[i % len(diary_lines)])
        pet_mail(inbox, pet, moment + datetime.timedelta(hours=3),
                 ["ごしゅじんさま、げんきでちゅか？", "%sは、きょうもげんきでちゅ。" % pet,
                  "こんどいっしょに、こうえんにいきたいでちゅ。"])
        if i % 3 == 0:
            event(inbox, moment + datetime.timedelta(hours=6), "パークのおしらせ",
                  ["クルミンパークで、どんぐりひろいたいかいをひらきまちゅ。",
                   "みんなでさんかしてくだちゃい！"])
        if i % 4 == 1:
            other(inbox, moment + datetime.timedelta(hours=1))
    for i in range(5):
        moment = datetime.datetime(2026, 8, 11, 10, 0, 0) + datetime.timedelta(days=i)
        pet_mail(trip, "モグ", moment, ["りょこうちゅうでちゅ。", "うみがきれいでちゅ。%d日め。" % (i + 1)])
    return inbox, trip


def make_sample(folder):
    inbox, trip = sample_drawers()
    inbox.write(folder, "受信メール")
    trip.write(folder, "旅行")


def make_bench(folder, count, layout="list"):
    rng = random.Random(count)
    drawer = Drawer()
    paragraph = "きょうも、いちにちたのしかったでちゅ。ごしゅじんさまと、あそんだでちゅ。"  # 35 characters
    moment = datetime.datetime(2001, 1, 1, 9, 0, 0)
    step = datetime.timedelta(seconds=max(1, (25 * 365 * 86400) // max(count, 1)))
    for i in range(count):
        lines = [paragraph] * 14 + ["%d通目でちゅ。" % (i + 1)]  # about 1 KB of body
        kind = rng.random()
        if kind < 0.6:
            pet_mail(drawer, "モグ" if kind < 0.45 else "ハム", moment, lines)
        elif kind < 0.85:
            diary(drawer, "モグ", moment, lines)
        else:
            event(drawer, moment, "パークのおしらせ", lines)
        moment += step
    drawer.write(folder, "受信メール", layout)


def kept_bytes(folder, kind):
    """Bytes of the inbox's mails (header and body) whose header names `kind`; all mails'
    when `kind` is None."""
    with open(os.path.join(folder, "受信リスト.krl"), "rb") as f:
        index = f.read()
    with open(os.path.join(folder, "受信メール.krm"), "rb") as f:
        data = f.read()
    total, pos, marker = 0, 0, ("X-Kurumin-Message: %s\r\n" % kind).encode()
    while pos + 8 <= len(index):
        (length,) = struct.unpack_from("<I", index, pos + 4)
        header_offset, body_offset, body_length = struct.unpack_from("<III", index, pos + 8)
        if kind is None or marker in data[header_offset:body_offset]:
            total += body_offset - header_offset + body_length
        pos += 12 + length
    return total


def main():
    if len(sys.argv) == 3 and sys.argv[1] == "sample":
        make_sample(sys.argv[2])
    elif len(sys.argv) in (4, 5) and sys.argv[1] == "bench":
        make_bench(sys.argv[2], int(sys.argv[3]), *sys.argv[4:])
    elif len(sys.argv) == 4 and sys.argv[1] == "kept":
        print(kept_bytes(sys.argv[2], int(sys.argv[3])))
    elif len(sys.argv) == 3 and sys.argv[1] == "ranges":
        print(kept_bytes(sys.argv[2], None))
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main()
