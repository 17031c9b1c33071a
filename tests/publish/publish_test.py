#!/usr/bin/env python3
"""Publishing, end to end through mogura-cli: UTF-8 pages against Python's own CP932 decoder,
files left alone when unchanged, and the Atom feed read with an XML parser.

  publish_test.py MOGURA_CLI
"""
import datetime
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest
import xml.etree.ElementTree as ElementTree

TOP = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
sys.path.insert(0, os.path.join(TOP, "tools"))
import make_drawers  # noqa: E402

CLI = None
ATOM = "{http://www.w3.org/2005/Atom}"
BOM = b"\xef\xbb\xbf"
KINDS = ["diary", "pet", "event"]
# Division: off, then month, week, day and count (with an index).
DIVISIONS = [None, 0, 1, 2, 3]
META_NAMES = re.compile(r"(?<![A-Za-z0-9_-])(windows-31j|shift_jis|shift-jis|x-sjis|cp932|sjis)(?![A-Za-z0-9_-])",
                        re.IGNORECASE)


def expected_utf8(sjis_page):
    """The Shift_JIS page as a UTF-8 page should be: decoded as CP932 (unmapped bytes become
    U+FFFD), charset names inside <meta ...> tags renamed, encoded as UTF-8 with the mark."""
    text = sjis_page.decode("cp932", errors="replace")
    text = re.sub(r"<meta(?=[\s/>])[^>]*", lambda m: META_NAMES.sub("UTF-8", m.group(0)), text,
                  flags=re.IGNORECASE)
    return BOM + text.encode("utf-8")


def odd_mails(drawer, start):
    """Pet mails whose bytes a converter can get wrong: unmapped pairs, lone lead bytes, markup,
    control bytes, a meta tag naming Shift_JIS."""
    texts = [
        (b"\x85\x40 unmapped \x82", b"lead byte at the end \x82\r\nmarkup <b>&amp;</b> ]]> \x01\x1f\r\n"),
        (b"\x83\x5c\x95\x5c <meta charset=sjis>", b"<meta http-equiv=\"Content-Type\" content=\"text/html; "
                                                 b"charset=Shift_JIS\">\r\n\xa0\xfd\xfe\xff\x80\r\n"),
        (b"", b"\xf0\x40\xed\x40\x87\x40 \x81\x60\r\n"),
    ]
    for n, (subject, body) in enumerate(texts):
        moment = start + datetime.timedelta(days=n)
        drawer.add("pet@kurumin.invalid", subject, moment,
                   [("From", "pet@kurumin.invalid"), ("X-Kurumin-Message", "2")],
                   body + "-----\r\nモグ\r\n".encode("cp932"))


def settings_file(path, division, charset=None, feed_url=None):
    lines = ["REGEDIT4", "", "[HKEY_CURRENT_USER\\Software\\Pikomaru\\mogura]", '"OutputDesktop"=dword:00000000',
             "", "[HKEY_CURRENT_USER\\Software\\Pikomaru\\mogura\\Devide]",
             '"Valid"=dword:%08x' % (0 if division is None else 1), '"Type"=dword:%08x' % (division or 0),
             '"Count"=dword:00000003', '"OutputIndex"=dword:00000001', ""]
    if charset or feed_url:
        lines += ["[HKEY_CURRENT_USER\\Software\\Pikomaru\\mogura\\Publish]"]
        if charset:
            lines.append('"Charset"="%s"' % charset)
        if feed_url:
            lines.append('"FeedUrl"="%s"' % feed_url)
        lines.append("")
    with open(path, "w", encoding="cp932", newline="\r\n") as f:
        f.write("\n".join(lines))


def make(settings, folder, kind, out, *extra, drawer="受信メール"):
    result = subprocess.run([CLI, "make", "--settings", settings, "--folder", folder, "--drawer", drawer,
                             "--kind", kind, "--out", out] + list(extra),
                            stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    if result.returncode != 0:
        raise AssertionError("mogura-cli failed (%d): %s" % (result.returncode, result.stderr.decode()))
    return result.stdout.decode("utf-8")


def read(path):
    with open(path, "rb") as f:
        return f.read()


def files_of(folder):
    return {name: read(os.path.join(folder, name)) for name in sorted(os.listdir(folder))}


def report_of(stdout):
    """{path: 'written' | 'unchanged'} from the --report lines, in order."""
    lines = [line.split("\t", 1) for line in stdout.splitlines() if "\t" in line]
    return [(state, path) for state, path in lines]


class Publishing(unittest.TestCase):
    def setUp(self):
        self.temp = tempfile.mkdtemp(prefix="mogura-publish-")
        self.receive = os.path.join(self.temp, "受信フォルダ")
        make_drawers.make_sample(self.receive)
        odd = make_drawers.Drawer()
        odd_mails(odd, datetime.datetime(2026, 9, 1, 12, 0, 0))
        odd.write(self.receive, "変な文字")

    def tearDown(self):
        shutil.rmtree(self.temp)

    def folder(self, *names):
        path = os.path.join(self.temp, *names)
        os.makedirs(path, exist_ok=True)
        return path

    def test_utf8_pages_are_the_shift_jis_pages_decoded_as_cp932(self):
        cases = [(kind, division, "受信メール") for kind in KINDS for division in DIVISIONS]
        cases += [("pet", division, "変な文字") for division in (None, 0)]
        for kind, division, drawer in cases:
            with self.subTest(kind=kind, division=division, drawer=drawer):
                name = "%s-%s-%s" % (kind, division, drawer)
                settings = os.path.join(self.temp, name + ".reg")
                settings_file(settings, division)
                sjis, utf8 = self.folder(name, "sjis"), self.folder(name, "utf8")
                make(settings, self.receive, kind, os.path.join(sjis, "pages.htm"), drawer=drawer)
                make(settings, self.receive, kind, os.path.join(utf8, "pages.htm"), "--charset", "utf-8",
                     drawer=drawer)
                before, after = files_of(sjis), files_of(utf8)
                self.assertEqual(sorted(before), sorted(after), "file names do not change")
                self.assertGreaterEqual(len(before), 1 if division is None else 2)
                for file_name, page in before.items():
                    self.assertFalse(page.startswith(BOM))
                    self.assertEqual(after[file_name], expected_utf8(page), file_name)

    def test_the_meta_tag_of_a_mail_is_renamed_and_unmapped_bytes_become_replacements(self):
        settings = os.path.join(self.temp, "odd.reg")
        settings_file(settings, None, charset="UTF-8")
        out = self.folder("odd")
        make(settings, self.receive, "pet", os.path.join(out, "odd.htm"), drawer="変な文字")
        page = read(os.path.join(out, "odd.htm"))
        self.assertTrue(page.startswith(BOM))
        self.assertIn(b"<meta charset=UTF-8>", page)
        self.assertIn(b'content="text/html; charset=UTF-8">', page)
        self.assertNotIn(b"Shift_JIS", page)
        self.assertIn("\ufffd@ unmapped ".encode(), page)
        self.assertIn("at the end \ufffd<br>".encode(), page)
        self.assertIn("ソ表".encode(), page)
        page.decode("utf-8")  # every byte is UTF-8

    def test_a_second_run_writes_nothing_and_a_new_mail_rewrites_what_it_touches(self):
        settings = os.path.join(self.temp, "month.reg")
        settings_file(settings, 0, charset="utf-8", feed_url="https://example.org/mogu")
        out = self.folder("month")
        index = os.path.join(out, "pets.htm")
        first = report_of(make(settings, self.receive, "pet", index, "--report"))
        self.assertTrue(first and all(state == "written" for state, _ in first))
        self.assertEqual(first[-2:], [("written", index), ("written", os.path.join(out, "pets.xml"))])
        stamps = {name: (os.stat(os.path.join(out, name)).st_mtime_ns, os.stat(os.path.join(out, name)).st_ino)
                  for name in os.listdir(out)}
        self.assertEqual(sorted(stamps), sorted(os.path.basename(path) for _, path in first))

        second = report_of(make(settings, self.receive, "pet", index, "--report"))
        self.assertEqual(second, [("unchanged", path) for _, path in first])
        for name, stamp in stamps.items():
            st = os.stat(os.path.join(out, name))
            self.assertEqual((st.st_mtime_ns, st.st_ino), stamp, name + " was touched")

        # One more pet mail in the last month: its page, the feed; and the index only if it changed.
        self.add_one_pet_mail()
        old = files_of(out)
        third = report_of(make(settings, self.receive, "pet", index, "--report"))
        written = sorted(os.path.basename(path) for state, path in third if state == "written")
        changed = sorted(name for name, data in files_of(out).items() if old.get(name) != data)
        self.assertEqual(written, changed)
        self.assertIn("pets.xml", written)
        self.assertIn("pets202611.htm", written)
        self.assertEqual(len(written), 2 + ("pets.htm" in written))
        for name in stamps:
            if name not in written:
                st = os.stat(os.path.join(out, name))
                self.assertEqual((st.st_mtime_ns, st.st_ino), stamps[name], name + " was touched")

    def add_one_pet_mail(self):
        """The sample's inbox again, with one pet mail after its last (in its last month)."""
        inbox, _ = make_drawers.sample_drawers()
        make_drawers.pet_mail(inbox, "モグ", datetime.datetime(2026, 11, 30, 23, 0, 0), ["あたらしいおてがみでちゅ。"])
        inbox.write(self.receive, "受信メール")

    def test_the_feed_is_atom_newest_first_with_ids_that_stay(self):
        settings = os.path.join(self.temp, "feed.reg")
        settings_file(settings, 0, feed_url="https://example.org/もぐ")
        out = self.folder("feed")
        index = os.path.join(out, "pets.htm")
        make(settings, self.receive, "pet", index)
        feed = ElementTree.parse(os.path.join(out, "pets.xml")).getroot()
        self.assertEqual(feed.tag, ATOM + "feed")
        self.assertEqual(feed.find(ATOM + "title").text, "ペットからのメール")
        self.assertEqual(feed.find(ATOM + "generator").text, "もぐらノート")
        base = "https://example.org/もぐ/"
        self.assertEqual(feed.find(ATOM + "id").text, base + "pets.htm")
        links = {link.get("rel"): link.get("href") for link in feed.findall(ATOM + "link")}
        self.assertEqual(links, {"alternate": base + "pets.htm", "self": base + "pets.xml"})
        entries = feed.findall(ATOM + "entry")
        self.assertEqual(len(entries), 16)  # the sample's pet mails, fewer than 20
        updated = [entry.find(ATOM + "updated").text for entry in entries]
        self.assertEqual(updated, sorted(updated, reverse=True))
        self.assertEqual(feed.find(ATOM + "updated").text, updated[0])
        self.assertTrue(all(stamp.endswith("+09:00") for stamp in updated))
        for entry in entries:
            href = entry.find(ATOM + "link").get("href")
            self.assertTrue(href.startswith(base))
            self.assertTrue(os.path.exists(os.path.join(out, href[len(base):])), href)
            self.assertTrue(entry.find(ATOM + "id").text.startswith(href + "#"))
            self.assertEqual(entry.find(ATOM + "content").get("type"), "text")
        first_ids = [entry.find(ATOM + "id").text for entry in entries]
        self.assertEqual(len(set(first_ids)), len(first_ids))
        self.assertIn("こうえんにいきたいでちゅ。", entries[0].find(ATOM + "content").text)

        self.add_one_pet_mail()
        make(settings, self.receive, "pet", index)
        entries = ElementTree.parse(os.path.join(out, "pets.xml")).getroot().findall(ATOM + "entry")
        ids = [entry.find(ATOM + "id").text for entry in entries]
        self.assertEqual(ids[1:], first_ids, "an entry keeps its id when new mail comes")
        self.assertEqual(ids[0], base + "pets202611.htm#20261130230000")

    def test_the_feed_of_odd_mails_parses_and_count_limits_it(self):
        settings = os.path.join(self.temp, "odd-feed.reg")
        settings_file(settings, None, feed_url="http://h")
        out = self.folder("odd-feed")
        make(settings, self.receive, "pet", os.path.join(out, "odd.htm"), drawer="変な文字")
        feed = ElementTree.parse(os.path.join(out, "odd.xml")).getroot()
        titles = [entry.find(ATOM + "title").text for entry in feed.findall(ATOM + "entry")]
        self.assertEqual(titles, ["2026-09-03", "ソ表 <meta charset=sjis>", "\ufffd@ unmapped \ufffd"])
        content = feed.findall(ATOM + "entry")[2].find(ATOM + "content").text
        self.assertIn("markup <b>&amp;</b> ]]> \n", content)  # control bytes dropped

        with open(settings, "a", encoding="cp932", newline="\r\n") as f:
            f.write('"FeedCount"=dword:00000002\n')
        make(settings, self.receive, "pet", os.path.join(out, "odd.htm"), drawer="変な文字")
        feed = ElementTree.parse(os.path.join(out, "odd.xml")).getroot()
        self.assertEqual(len(feed.findall(ATOM + "entry")), 2)


if __name__ == "__main__":
    CLI = sys.argv.pop(1)
    unittest.main(verbosity=1)
