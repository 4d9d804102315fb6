"""An FTP server that requires TLS on commands and data: pyftpdlib's TLS handler (it needs
python3-openssl). One user may write in FOLDER.

Usage: FtpsServer.py PORT FOLDER CERTFILE KEYFILE USER PASSWORD
"""
import sys

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import TLS_FTPHandler
from pyftpdlib.servers import FTPServer


def main():
    port, folder, cert, key, user, password = sys.argv[1:7]
    authorizer = DummyAuthorizer()
    authorizer.add_user(user, password, folder, perm="elradfmwMT")
    handler = TLS_FTPHandler
    handler.certfile = cert
    handler.keyfile = key
    handler.tls_control_required = True
    handler.tls_data_required = True
    handler.authorizer = authorizer
    server = FTPServer(("127.0.0.1", int(port)), handler)
    print("serving FTPS on", port, flush=True)
    server.serve_forever()


if __name__ == "__main__":
    main()
