"""The demo FTP site, on Debian's pyftpdlib: one account (see USER and PASSWORD) that may
write under WORKDIR; every finished upload is moved into the inbox with its name, remote path
and size in meta.json.

Usage: ftp_site.py PORT INBOX WORKDIR
"""
import os
import shutil
import sys

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer

import inbox

USER = "kitepad"
PASSWORD = "demo-upload-pass"


class InboxFtpHandler(FTPHandler):
    inbox_folder = ""

    def on_file_received(self, file):
        remote = "/" + os.path.relpath(file, self.authorizer.get_home_dir(self.username))
        meta = {"user": self.username, "remote": remote, "name": os.path.basename(file),
                "size": os.path.getsize(file)}
        entry = inbox.new_entry(self.inbox_folder, "ftp", meta)
        shutil.move(file, os.path.join(entry, os.path.basename(file)))


def main():
    port = int(sys.argv[1])
    InboxFtpHandler.inbox_folder = sys.argv[2]
    root = sys.argv[3]
    os.makedirs(sys.argv[2], exist_ok=True)
    os.makedirs(os.path.join(root, "incoming"), exist_ok=True)
    authorizer = DummyAuthorizer()
    authorizer.add_user(USER, PASSWORD, root, perm="elradfmw")
    InboxFtpHandler.authorizer = authorizer
    InboxFtpHandler.banner = "Demo FTP site ready."
    server = FTPServer(("127.0.0.1", port), InboxFtpHandler)
    print("demo FTP site on 127.0.0.1:%d" % port, flush=True)
    server.serve_forever()


if __name__ == "__main__":
    main()
