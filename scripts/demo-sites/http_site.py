"""The demo HTTP form site, on Python's http.server: a POST to any path, or a GET with a query,
is taken as a submission form and goes into the inbox (request.txt holds the raw request,
meta.json the decoded fields). The front page "/" lists everything in the inbox, newest first:
the forms, the mails and the uploads the other demo sites received.

Usage: http_site.py PORT INBOX
"""
import html
import http.server
import os
import sys
import urllib.parse

import inbox

MAX_BODY = 8 * 1024 * 1024
THANKS = b"<html><body><p>Thank you for your submission.</p></body></html>"


def esc(value):
    return html.escape(str(value))


def entry_link(meta, name):
    href = "/inbox/%s/%s" % (urllib.parse.quote(meta["folder"]), urllib.parse.quote(name))
    return '<a href="%s">%s</a>' % (href, esc(name))


def form_html(meta):
    rows = "".join("<tr><th>%s</th><td>%s</td></tr>" % (esc(k), esc(v)) for k, v in meta["fields"])
    return "<p>%s %s</p><table>%s</table><p>%s</p>" % (
        esc(meta["method"]), esc(meta["path"].split("?")[0]), rows, entry_link(meta, "request.txt"))


def mail_html(meta):
    files = "".join("<li>%s (%d bytes)</li>" % (esc(a["name"]), a["size"])
                    for a in meta["attachments"])
    return "<p>Subject: <b>%s</b><br>From: %s<br>To: %s</p><ul>%s</ul><p>%s</p>" % (
        esc(meta["subject"]), esc(meta["from"]), esc(", ".join(meta["to"])),
        files or "<li>no attachments</li>", entry_link(meta, "message.eml"))


def ftp_html(meta):
    return "<p>%s (%d bytes) as %s, user %s</p>" % (
        entry_link(meta, meta["name"]), meta["size"], esc(meta["remote"]), esc(meta["user"]))


RENDERERS = {"form": ("HTTP form", form_html), "mail": ("E-mail", mail_html),
             "ftp": ("FTP upload", ftp_html)}


def front_page(folder):
    items = []
    for meta in inbox.entries(folder):
        title, render = RENDERERS.get(meta.get("kind"), (None, None))
        if render is None:
            continue
        try:
            body = render(meta)
        except (KeyError, TypeError, ValueError):
            body = "<p>(unreadable entry)</p>"
        items.append("<div class=entry><h2>%s <small>%s</small></h2>%s</div>" % (
            title, esc(meta.get("received", "")), body))
    listing = "".join(items) or "<p>Nothing received yet.</p>"
    return ("<!DOCTYPE html><html><head><meta charset=utf-8><title>Demo download sites: inbox"
            "</title><style>body{font-family:sans-serif;margin:2em}.entry{border-top:1px solid "
            "#ccc}th{text-align:left;padding-right:1em;vertical-align:top}"
            "td{white-space:pre-wrap}</style></head><body>"
            "<h1>Demo download sites: inbox</h1><p>%d received, newest first.</p>%s"
            "</body></html>" % (len(items), listing)).encode("utf-8")


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.0"
    inbox_folder = ""

    def do_GET(self):
        if self.path == "/":
            self.answer(200, "text/html; charset=utf-8", front_page(self.inbox_folder))
        elif self.path.startswith("/inbox/"):
            self.serve_inbox_file()
        elif "?" in self.path:
            self.take_form(b"")
        else:
            # What a browser asks for by itself (such as /favicon.ico) is no submission.
            self.send_error(404, "Not Found")

    def do_POST(self):
        length = int(self.headers.get("Content-Length", "0") or "0")
        if length < 0 or length > MAX_BODY:
            self.send_error(413, "Request too large")
            return
        self.take_form(self.rfile.read(length))

    def take_form(self, body):
        query = urllib.parse.urlsplit(self.path).query
        text = (body if self.command == "POST" else query.encode("latin-1")).decode(
            "utf-8", "replace")
        meta = {"method": self.command, "path": self.path,
                "fields": urllib.parse.parse_qsl(text, keep_blank_values=True)}
        entry = inbox.new_entry(self.inbox_folder, "form", meta)
        with open(os.path.join(entry, "request.txt"), "wb") as f:
            f.write(self.requestline.encode("latin-1") + b"\r\n")
            f.write(bytes(self.headers).replace(b"\n", b"\r\n").replace(b"\r\r\n", b"\r\n"))
            f.write(body)
        self.answer(200, "text/html", THANKS)

    def serve_inbox_file(self):
        parts = [urllib.parse.unquote(p) for p in self.path.split("/")[2:]]
        folder = self.inbox_folder
        # Only names the inbox really holds: a path from the request never goes elsewhere.
        if len(parts) != 2 or parts[0] not in os.listdir(folder) or \
                parts[1] not in os.listdir(os.path.join(folder, parts[0])):
            self.send_error(404, "Not Found")
            return
        with open(os.path.join(folder, parts[0], parts[1]), "rb") as f:
            data = f.read()
        self.answer(200, "application/octet-stream", data)

    def answer(self, code, content_type, data):
        self.send_response(code)
        self.send_header("Content-Type", content_type)
        self.send_header("Content-Length", str(len(data)))
        self.end_headers()
        self.wfile.write(data)


def main():
    port = int(sys.argv[1])
    Handler.inbox_folder = sys.argv[2]
    os.makedirs(sys.argv[2], exist_ok=True)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", port), Handler)
    print("demo HTTP site on 127.0.0.1:%d" % port, flush=True)
    server.serve_forever()


if __name__ == "__main__":
    main()
