"""Reads a saved message with Python's email package, as a mail program would, and writes
parts.json into OUTFOLDER: subject, sender and recipients (display name and address), the body
text, and each attachment's file name and type; each attachment's decoded bytes go to part-N
beside it. Line ends of the body are written as LF.

Usage: MailPartsDump.py MESSAGE OUTFOLDER
"""
import email
import email.policy
import json
import os
import sys


def mailboxes(header):
    if header is None:
        return []
    return [[a.display_name, a.addr_spec] for a in header.addresses]


def main():
    with open(sys.argv[1], "rb") as f:
        message = email.message_from_bytes(f.read(), policy=email.policy.default)
    out = sys.argv[2]
    info = {"subject": str(message["subject"] or ""), "from": mailboxes(message["from"]),
            "to": mailboxes(message["to"]), "cc": mailboxes(message["cc"]), "body": None,
            "attachments": []}
    for part in message.walk():
        if part.is_multipart():
            continue
        if part.get_filename() is None:
            info["body"] = part.get_content().replace("\r\n", "\n")
            continue
        name = "part-%d" % len(info["attachments"])
        with open(os.path.join(out, name), "wb") as f:
            f.write(part.get_payload(decode=True))
        info["attachments"].append({"filename": part.get_filename(),
                                    "type": part.get_content_type(), "file": name})
    with open(os.path.join(out, "parts.json"), "w", encoding="utf-8") as f:
        json.dump(info, f, ensure_ascii=False)


if __name__ == "__main__":
    main()
