#!/usr/bin/python3
"""A misbehaving server for the hostile-server tests: HostileServer.py MODE PORT.

Each connection gets the same treatment. HTTP modes read the request head first; FTP modes
greet and log on like a real server before they misbehave.
"""
import socket
import sys
import threading
import time

MODE = sys.argv[1]
PORT = int(sys.argv[2])


def read_head(conn):
    data = b""
    while b"\r\n\r\n" not in data:
        chunk = conn.recv(65536)
        if not chunk:
            return data
        data += chunk
    return data


def endless(conn, piece, pause=0.0):
    while True:
        conn.sendall(piece)
        if pause:
            time.sleep(pause)


def http(conn):
    read_head(conn)
    if MODE == "http-silent":
        time.sleep(3600)
    elif MODE == "http-drip":
        endless(conn, b"H", 1.0)
    elif MODE == "http-close":
        conn.sendall(b"HTTP/1.0 200 OK\r\nContent-Length: 100\r\n\r\npart")
    elif MODE == "http-endless-header":
        conn.sendall(b"HTTP/1.0 200 OK\r\nX-Filler: ")
        endless(conn, b"x" * 65536)
    elif MODE == "http-huge":
        conn.sendall(b"HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\n")
        block = b"y" * (1 << 20)
        for _ in range(100):
            conn.sendall(block)


def ftp_reply(conn, text):
    conn.sendall(text.encode() + b"\r\n")


def ftp(conn):
    ftp_reply(conn, "220 hostile")
    stream = conn.makefile("rb")
    for raw in stream:
        verb = raw.decode("latin-1").strip().split(" ")[0].upper()
        if verb == "USER":
            ftp_reply(conn, "331 password please")
        elif verb == "PASS":
            ftp_reply(conn, "230 in")
        elif verb == "PORT":
            ftp_reply(conn, "500 PORT refused here")
        elif verb == "PASV":
            ftp_reply(conn, "227 Entering Passive Mode (no,numbers,here)")
        elif verb == "QUIT":
            ftp_reply(conn, "221 bye")
            return
        elif MODE == "ftp-silent-after-logon":
            time.sleep(3600)
        else:
            ftp_reply(conn, "200 ok")


def smtp(conn):
    if MODE == "smtp-silent":
        time.sleep(3600)
    elif MODE == "smtp-drip":
        endless(conn, b"2", 1.0)
    elif MODE == "smtp-endless-reply":
        endless(conn, b"220-" + b"z" * 1000 + b"\r\n")
    elif MODE == "smtp-close":
        conn.sendall(b"220-partial gree")


def serve(conn):
    try:
        with conn:
            {"http": http, "ftp": ftp, "smtp": smtp}[MODE.split("-")[0]](conn)
    except OSError:
        pass


def main():
    listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    listener.bind(("127.0.0.1", PORT))
    listener.listen(16)
    while True:
        conn, _ = listener.accept()
        threading.Thread(target=serve, args=(conn,), daemon=True).start()


main()
