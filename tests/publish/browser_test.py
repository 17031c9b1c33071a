#!/usr/bin/env python3
"""Pages served as a web host serves them today: a local server on 127.0.0.1 sends every page
with "Content-Type: text/html; charset=utf-8", and headless Chromium reads it. The UTF-8 pages
must show every subject and body line; the Shift_JIS pages, for contrast, must not (the header's
charset wins over them), which shows that the check can fail.

  browser_test.py MOGURA_CLI
"""
import http.server
import os
import shutil
import subprocess
import sys
import tempfile
import threading
import unittest

TOP = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
sys.path.insert(0, os.path.join(TOP, "tools"))
import make_drawers  # noqa: E402

CLI = None


class Utf8Host(http.server.SimpleHTTPRequestHandler):
    """Serves files like a host that declares UTF-8 for every page."""

    def guess_type(self, path):
        return "text/html; charset=utf-8" if path.endswith(".htm") else super().guess_type(path)

    def log_message(self, *args):
        pass


class QuietServer(http.server.ThreadingHTTPServer):
    def handle_error(self, request, client_address):
        pass  # a browser may drop a connection it no longer needs


def browser():
    for name in ("chromium", "chromium-browser", "google-chrome"):
        path = shutil.which(name)
        if path:
            return path
    raise AssertionError("no headless browser: scripts/setup.sh installs Debian's chromium")


class PagesOnAUtf8Host(unittest.TestCase):
    def setUp(self):
        self.temp = tempfile.mkdtemp(prefix="mogura-browser-")
        self.receive = os.path.join(self.temp, "受信フォルダ")
        inbox, _ = make_drawers.sample_drawers()
        inbox.write(self.receive, "受信メール")
        self.pages = os.path.join(self.temp, "site")
        os.makedirs(self.pages)
        # What the pages must show: the subjects and body lines of the sample's pet mail.
        self.texts = sorted({"モグからのお手紙", "ハムからのお手紙", "ごしゅじんさま、げんきでちゅか？",
                             "こんどいっしょに、こうえんにいきたいでちゅ。", "ハムは、きょうもげんきでちゅ。"})
        handler = lambda *args: Utf8Host(*args, directory=self.pages)  # noqa: E731
        self.server = QuietServer(("127.0.0.1", 0), handler)
        threading.Thread(target=self.server.serve_forever, daemon=True).start()

    def tearDown(self):
        self.server.shutdown()
        self.server.server_close()
        shutil.rmtree(self.temp)

    def make(self, name, charset):
        subprocess.run([CLI, "make", "--folder", self.receive, "--drawer", "受信メール", "--kind", "pet",
                        "--out", os.path.join(self.pages, name), "--charset", charset],
                       check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                       env=dict(os.environ, XDG_CONFIG_HOME=os.path.join(self.temp, "config")))

    def dom(self, name):
        url = "http://127.0.0.1:%d/%s" % (self.server.server_address[1], name)
        profile = tempfile.mkdtemp(dir=self.temp)
        result = subprocess.run([browser(), "--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
                                 "--user-data-dir=" + profile, "--dump-dom", url],
                                stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, timeout=120)
        self.assertEqual(result.returncode, 0)
        return result.stdout.decode("utf-8", errors="replace")

    def missing(self, dom):
        return [text for text in self.texts if text not in dom]

    def test_utf8_pages_show_every_text_and_shift_jis_pages_do_not(self):
        self.make("utf8.htm", "utf-8")
        self.make("sjis.htm", "shift_jis")
        utf8_dom = self.dom("utf8.htm")
        self.assertIn("ペットからのメール", utf8_dom)
        self.assertEqual(self.missing(utf8_dom), [], "the UTF-8 page lost texts in the browser")
        sjis_dom = self.dom("sjis.htm")
        self.assertIn("<body", sjis_dom)  # the page was read, ...
        self.assertEqual(self.missing(sjis_dom), self.texts, "... but none of its Japanese survives the header")
        print("UTF-8 page: all %d texts found; Shift_JIS page: %d of %d missing"
              % (len(self.texts), len(self.missing(sjis_dom)), len(self.texts)))


if __name__ == "__main__":
    CLI = sys.argv.pop(1)
    unittest.main(verbosity=1)
