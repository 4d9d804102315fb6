"""A scripted HTTP peer for the integration tests: it answers each request with a file of raw
answer bytes (status line, headers and body as they are) and records every request head.

Usage: ScriptedHttpServer.py PORT FOLDER
GET .../NAME (also as an absolute target, through a proxy) answers FOLDER/NAME.http and closes;
GET .../silent reads the request and never answers. Request heads go to FOLDER/requests.log.
"""
import os
import socket
import sys
import threading


def read_head(conn):
    head = b""
    while b"\r\n\r\n" not in head:
        chunk = conn.recv(4096)
        if not chunk:
            break
        head += chunk
    return head


def serve(conn, folder):
    with conn:
        head = read_head(conn)
        if not head:
            return
        with open(os.path.join(folder, "requests.log"), "ab") as log:
            log.write(head)
        target = head.split(b" ")[1].decode() if head.count(b" ") >= 2 else "/"
        name = target.rsplit("/", 1)[-1]
        if name == "silent":
            while conn.recv(4096):
                pass
            return
        with open(os.path.join(folder, name + ".http"), "rb") as answer:
            while True:
                block = answer.read(1 << 20)
                if not block:
                    break
                try:
                    conn.sendall(block)
                except OSError:
                    return


def main():
    port, folder = int(sys.argv[1]), sys.argv[2]
    server = socket.socket()
    server.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    server.bind(("127.0.0.1", port))
    server.listen(16)
    print("serving on", port, flush=True)
    while True:
        conn, _ = server.accept()
        threading.Thread(target=serve, args=(conn, folder), daemon=True).start()


if __name__ == "__main__":
    main()
