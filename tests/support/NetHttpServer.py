"""A small HTTP/1.0 server for the integration tests: GET serves files from a folder, POST to
/echo answers with the body it received, POST to /redirect answers 302.

Under /form/ it takes submission forms by POST and GET: each request is added as one JSON line
(method, path, body as Latin-1 text, content type, host) to received.jsonl in the folder, and
answered with a thank-you page; /form/moved answers 302 and /form/missing 404.

Usage: NetHttpServer.py PORT FOLDER
"""
import http.server
import json
import os
import sys


class Handler(http.server.SimpleHTTPRequestHandler):
    protocol_version = "HTTP/1.0"

    def do_GET(self):
        if self.path.startswith("/form/"):
            self.take_form(b"")
            return
        super().do_GET()

    def take_form(self, body):
        record = {
            "method": self.command,
            "path": self.path,
            "body": body.decode("latin-1"),
            "type": self.headers.get("Content-Type", ""),
            "host": self.headers.get("Host", ""),
        }
        with open("received.jsonl", "a", encoding="utf-8") as log:
            log.write(json.dumps(record) + "\n")
        if self.path.startswith("/form/moved"):
            self.send_response(302, "Found")
            self.send_header("Location", "/thanks")
            self.end_headers()
            return
        if self.path.startswith("/form/missing"):
            self.send_error(404, "Not Found")
            return
        page = b"<html><body><p>Thank you for your submission.</p></body></html>"
        self.send_response(200, "OK")
        self.send_header("Content-Type", "text/html")
        self.send_header("Content-Length", str(len(page)))
        self.end_headers()
        self.wfile.write(page)

    def do_POST(self):
        length = int(self.headers.get("Content-Length", "0"))
        body = self.rfile.read(length)
        if self.path.startswith("/form/"):
            self.take_form(body)
            return
        if self.path == "/redirect":
            self.send_response(302, "Found")
            self.send_header("Location", "/elsewhere")
            self.end_headers()
            return
        if self.path != "/echo":
            self.send_error(404, "Not Found")
            return
        self.send_response(200, "OK")
        self.send_header("Content-Type", "application/octet-stream")
        self.send_header("Content-Length", str(len(body)))
        self.send_header("X-Received-Type", self.headers.get("Content-Type", ""))
        self.end_headers()
        self.wfile.write(body)


def main():
    port = int(sys.argv[1])
    os.chdir(sys.argv[2])
    server = http.server.ThreadingHTTPServer(("127.0.0.1", port), Handler)
    print("serving on", port, flush=True)
    server.serve_forever()


if __name__ == "__main__":
    main()
