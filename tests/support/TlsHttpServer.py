"""NetHttpServer.py behind TLS: Python's http.server wrapped by its ssl module.

Usage: TlsHttpServer.py PORT FOLDER CERTFILE KEYFILE
"""
import http.server
import os
import ssl
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from NetHttpServer import Handler  # noqa: E402


def main():
    port, folder, cert, key = int(sys.argv[1]), sys.argv[2], sys.argv[3], sys.argv[4]
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(cert, key)
    os.chdir(folder)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", port), Handler)
    server.socket = context.wrap_socket(server.socket, server_side=True)
    print("serving TLS on", port, flush=True)
    server.serve_forever()


if __name__ == "__main__":
    main()
