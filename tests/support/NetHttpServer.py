"""A small HTTP/1.0 server for the integration tests: GET serves files from a folder, POST to
/echo answers with the body it received, POST to /redirect answers 302.

Usage: NetHttpServer.py PORT FOLDER
"""
import http.server
import os
import sys


class Handler(http.server.SimpleHTTPRequestHandler):
    protocol_version = "HTTP/1.0"

    def do_POST(self):
        length = int(self.headers.get("Content-Length", "0"))
        body = self.rfile.read(length)
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
