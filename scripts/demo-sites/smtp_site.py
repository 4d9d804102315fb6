"""The demo e-mail site, on Debian's aiosmtpd: every mail it takes goes into the inbox as
message.eml, with its envelope, subject and attachments in meta.json.

Usage: smtp_site.py PORT INBOX
"""
import asyncio
import email
import email.policy
import os
import signal
import sys

from aiosmtpd.smtp import SMTP

import inbox


class InboxHandler:
    def __init__(self, folder):
        self.folder = folder

    async def handle_DATA(self, server, session, envelope):
        message = email.message_from_bytes(envelope.original_content, policy=email.policy.default)
        attachments = []
        for part in message.iter_attachments():
            payload = part.get_payload(decode=True) or b""
            attachments.append({"name": part.get_filename() or "", "size": len(payload)})
        meta = {
            "from": envelope.mail_from,
            "to": envelope.rcpt_tos,
            "subject": str(message.get("Subject", "")),
            "attachments": attachments,
        }
        entry = inbox.new_entry(self.folder, "mail", meta)
        with open(os.path.join(entry, "message.eml"), "wb") as f:
            f.write(envelope.original_content)
        return "250 Message accepted"


def main():
    port = int(sys.argv[1])
    handler = InboxHandler(sys.argv[2])
    os.makedirs(sys.argv[2], exist_ok=True)
    loop = asyncio.new_event_loop()
    # A fixed host name: looking up our own would ask the network.
    factory = lambda: SMTP(handler, hostname="demo-sites", loop=loop)
    loop.run_until_complete(loop.create_server(factory, "127.0.0.1", port))
    loop.add_signal_handler(signal.SIGTERM, loop.stop)
    print("demo e-mail site on 127.0.0.1:%d" % port, flush=True)
    loop.run_forever()


if __name__ == "__main__":
    main()
