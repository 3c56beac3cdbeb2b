#!/usr/bin/env python3
"""A small HTTP server for end-to-end tests, on 127.0.0.1 only.

usage: media_server.py FOLDER [--throttle BYTES_PER_SECOND] [--request-log FILE]
                        [--hold-at BYTE --release FILE]

Prints the port it listens on as the first line of standard output, then
serves until standard input is closed (its parent went away) or it is killed.

With --request-log, every GET of a file appends one JSON line to FILE when
its answer ends (finished or cut off): {"path", "first", "last" (the byte
range asked for), "sent" (body bytes written), "started" (seconds since the
epoch)}.

With --hold-at and --release, the body of every file stops before that byte
of the file until FILE exists, keeping the connection open: downloads wait in
the middle, however fast or slow the machine is, until the test lets them go.

Routes:
  /<file>          a file of FOLDER, with single-range requests (206/416), HEAD,
                   and content types for media and HLS playlists/segments
  /page            an HTML page with a <title> and one <video src>; query
                   parameters title= and src= replace the defaults
  /described       an HTML page describing /video.mp4 in JSON-LD, as video sites
                   do: title, description, uploader, date, thumbnail
                   (/thumbnail.jpg) and two chapters, "Opening" (0-1 s) and
                   "Ending" (1-2 s); query parameter uploader= replaces the
                   uploader
  /playlist        an HTML page titled "Playlist Page" holding several <video>
                   elements (a multi-video page yt-dlp lists as a playlist);
                   count= sets how many (3 unless told), each /video.mp4?n=N
  /feed            an RSS feed titled "Tarvelle Test Feed" by "Tarvelle Tester" of
                   count= items (3 unless told), item N titled "Entry N", linking
                   to /page?title=Entry%20N, with a duration (itunes:duration
                   0:02) and a thumbnail (itunes:image /thumbnail.jpg): a list
                   whose entries have pages of their own, listed flat;
                   linked=N makes item N link to the feed's own address, as a
                   video opened inside a playlist is named by the list's link
  /404             always 404
  /reason          404 with the reason phrase phrase= (a server's own words,
                   which yt-dlp puts into its error line)
  /close-mid-body  announces a long body, sends part of it, closes the socket
  /stall-mid-body  announces a long body, sends part of it, then sends nothing
                   more (for two minutes) while keeping the connection open
  /expiring-page   like /page, but its video is /expiring/<src>?token=N with a
                   new N on every visit; /expiring/<file> serves a file of
                   FOLDER only for the newest token and answers 403 for any
                   older one, as a site's signed media links expire
"""

import argparse
import html
import json
import mimetypes
import os
import re
import sys
import threading
import time
import urllib.parse
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

CHUNK = 16 * 1024
DEFAULT_TITLE = "Tarvelle Test Clip"
DEFAULT_SRC = "/video.mp4"
DESCRIBED_TITLE = "Tarvelle Described Clip"

mimetypes.add_type("application/vnd.apple.mpegurl", ".m3u8")
mimetypes.add_type("video/mp2t", ".ts")
mimetypes.add_type("video/mp4", ".mp4")
mimetypes.add_type("audio/mp4", ".m4a")


class Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    server_version = "TarvelleTestServer/1"

    def log_message(self, *args):
        pass

    def do_HEAD(self):
        self.respond(send_body=False)

    def do_GET(self):
        self.respond(send_body=True)

    def respond(self, send_body):
        parsed = urllib.parse.urlsplit(self.path)
        path = urllib.parse.unquote(parsed.path)
        if path == "/404":
            self.send_bytes(404, b"not found\n", "text/plain", send_body)
        elif path == "/reason":
            # A 404 whose reason phrase is the server's to choose: yt-dlp
            # quotes it in its error line.
            phrase = urllib.parse.parse_qs(parsed.query).get("phrase", ["Not Found"])[0]
            self.send_response(404, phrase)
            self.send_header("Content-Type", "text/plain")
            self.send_header("Content-Length", "0")
            self.end_headers()
        elif path == "/close-mid-body":
            self.close_mid_body(send_body)
        elif path == "/stall-mid-body":
            self.stall_mid_body(send_body)
        elif path == "/described":
            uploader = urllib.parse.parse_qs(parsed.query).get("uploader", ["Tarvelle Tester"])[0]
            self.send_bytes(200, self.described_page(uploader).encode("utf-8"), "text/html; charset=utf-8",
                            send_body)
        elif path in ("/page", "/expiring-page"):
            query = urllib.parse.parse_qs(parsed.query)
            title = query.get("title", [DEFAULT_TITLE])[0]
            src = query.get("src", [DEFAULT_SRC])[0]
            if path == "/expiring-page":
                src = f"/expiring{src}?token={self.server.new_token()}"
            page = ("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\">"
                    f"<title>{html.escape(title)}</title></head>\n"
                    f"<body><h1>{html.escape(title)}</h1>\n"
                    f"<video controls src=\"{html.escape(src)}\"></video>\n</body></html>\n")
            self.send_bytes(200, page.encode("utf-8"), "text/html; charset=utf-8", send_body)
        elif path == "/playlist":
            count = int(urllib.parse.parse_qs(parsed.query).get("count", ["3"])[0])
            videos = "".join(f"<video controls src=\"{DEFAULT_SRC}?n={n}\"></video>\n"
                             for n in range(1, count + 1))
            page = ("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\">"
                    "<title>Playlist Page</title></head>\n"
                    f"<body><h1>Playlist Page</h1>\n{videos}</body></html>\n")
            self.send_bytes(200, page.encode("utf-8"), "text/html; charset=utf-8", send_body)
        elif path == "/feed":
            query = urllib.parse.parse_qs(parsed.query)
            count = int(query.get("count", ["3"])[0])
            linked = int(query.get("linked", ["0"])[0])
            self.send_bytes(200, self.feed(count, linked).encode("utf-8"), "application/rss+xml; charset=utf-8",
                            send_body)
        elif path.startswith("/expiring/"):
            token = urllib.parse.parse_qs(parsed.query).get("token", [""])[0]
            if token != str(self.server.token):
                self.send_bytes(403, b"forbidden: the link has expired\n", "text/plain", send_body)
            else:
                self.send_file(path[len("/expiring"):], send_body)
        else:
            self.send_file(path, send_body)

    def feed(self, count, linked=0):
        base = "http://" + self.headers.get("Host", "127.0.0.1")

        def link(n):
            return base + (self.path if n == linked else f"/page?title=Entry%20{n}")

        items = "".join(
            "<item>"
            f"<title>Entry {n}</title>"
            f"<link>{html.escape(link(n))}</link>"
            "<itunes:duration>0:02</itunes:duration>"
            f"<itunes:image href=\"{html.escape(base)}/thumbnail.jpg\"/>"
            "</item>\n"
            for n in range(1, count + 1))
        return ("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                "<rss version=\"2.0\" xmlns:itunes=\"http://www.itunes.com/dtds/podcast-1.0.dtd\">"
                "<channel><title>Tarvelle Test Feed</title>"
                "<itunes:author>Tarvelle Tester</itunes:author>\n"
                f"{items}</channel></rss>\n")

    def described_page(self, uploader):
        base = "http://" + self.headers.get("Host", "127.0.0.1")
        video = {
            "@context": "https://schema.org",
            "@type": "VideoObject",
            "name": DESCRIBED_TITLE,
            "description": "A clip with two chapters.",
            "author": {"@type": "Person", "name": uploader},
            "uploadDate": "2024-05-06",
            "duration": "PT2S",
            "thumbnailUrl": base + "/thumbnail.jpg",
            "contentUrl": base + "/video.mp4",
            "encodingFormat": "video/mp4",
            "hasPart": [
                {"@type": "Clip", "name": "Opening", "startOffset": 0, "endOffset": 1},
                {"@type": "Clip", "name": "Ending", "startOffset": 1, "endOffset": 2},
            ],
        }
        return ("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\">"
                f"<title>{html.escape(DESCRIBED_TITLE)}</title>\n"
                f"<script type=\"application/ld+json\">{json.dumps(video)}</script>\n"
                "</head><body></body></html>\n")

    def send_bytes(self, status, body, content_type, send_body):
        self.send_response(status)
        self.send_header("Content-Type", content_type)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        if send_body:
            self.write_throttled(body)

    def close_mid_body(self, send_body):
        self.send_response(200)
        self.send_header("Content-Type", "video/mp4")
        self.send_header("Content-Length", str(1024 * 1024))
        self.end_headers()
        if send_body:
            self.wfile.write(b"\0" * (64 * 1024))
            self.wfile.flush()
        self.close_connection = True
        self.connection.shutdown(2)

    def stall_mid_body(self, send_body):
        self.send_response(200)
        self.send_header("Content-Type", "video/mp4")
        self.send_header("Content-Length", str(1024 * 1024))
        self.end_headers()
        if send_body:
            self.wfile.write(b"\0" * (64 * 1024))
            self.wfile.flush()
            time.sleep(120)
        self.close_connection = True

    def send_file(self, path, send_body):
        root = os.path.realpath(self.server.folder)
        target = os.path.realpath(os.path.join(root, path.lstrip("/")))
        if (target != root and not target.startswith(root + os.sep)) or not os.path.isfile(target):
            self.send_bytes(404, b"not found\n", "text/plain", send_body)
            return
        size = os.path.getsize(target)
        start, end = 0, size - 1
        status = 200
        header = self.headers.get("Range")
        if header:
            match = re.fullmatch(r"bytes=(\d*)-(\d*)", header.strip())
            if not match or (match.group(1) == "" and match.group(2) == ""):
                self.send_unsatisfiable(size)
                return
            if match.group(1) == "":
                start = max(0, size - int(match.group(2)))
            else:
                start = int(match.group(1))
                if match.group(2) != "":
                    end = min(end, int(match.group(2)))
            if start >= size or start > end:
                self.send_unsatisfiable(size)
                return
            status = 206
        content_type = mimetypes.guess_type(target)[0] or "application/octet-stream"
        self.send_response(status)
        self.send_header("Content-Type", content_type)
        self.send_header("Accept-Ranges", "bytes")
        self.send_header("Content-Length", str(end - start + 1))
        if status == 206:
            self.send_header("Content-Range", f"bytes {start}-{end}/{size}")
        self.end_headers()
        if not send_body:
            return
        started = time.time()
        sent = 0
        try:
            with open(target, "rb") as source:
                source.seek(start)
                left = end - start + 1
                while left > 0:
                    amount = min(CHUNK, left)
                    position = end - left + 1
                    if self.server.hold_at:
                        if position >= self.server.hold_at:
                            self.wfile.flush()
                            self.server.wait_for_release()
                        else:
                            amount = min(amount, self.server.hold_at - position)
                    data = source.read(amount)
                    if not data:
                        break
                    self.write_throttled(data)
                    sent += len(data)
                    left -= len(data)
        finally:
            self.server.record_request(path, start, end, sent, started)

    def send_unsatisfiable(self, size):
        self.send_response(416)
        self.send_header("Content-Range", f"bytes */{size}")
        self.send_header("Content-Length", "0")
        self.end_headers()

    def write_throttled(self, data):
        rate = self.server.throttle
        for offset in range(0, len(data), CHUNK):
            piece = data[offset:offset + CHUNK]
            self.wfile.write(piece)
            if rate > 0:
                self.wfile.flush()
                time.sleep(len(piece) / rate)


class Server(ThreadingHTTPServer):
    daemon_threads = True
    token = 0
    token_lock = threading.Lock()

    def new_token(self):
        with self.token_lock:
            self.token += 1
            return self.token
    request_log = None
    request_log_lock = threading.Lock()

    def record_request(self, path, first, last, sent, started):
        if not self.request_log:
            return
        line = json.dumps({"path": path, "first": first, "last": last, "sent": sent, "started": started})
        with self.request_log_lock, open(self.request_log, "a", encoding="utf-8") as log:
            log.write(line + "\n")

    hold_at = 0
    release = None

    def wait_for_release(self):
        while not os.path.exists(self.release):
            time.sleep(0.05)

    def handle_error(self, request, client_address):
        # A client that hangs up early (a cancelled download, a probe that
        # reads only the start) is normal here, not worth a traceback.
        if isinstance(sys.exc_info()[1], ConnectionError):
            return
        super().handle_error(request, client_address)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("folder")
    parser.add_argument("--throttle", type=int, default=0, help="bytes per second; 0 for no limit")
    parser.add_argument("--request-log", help="file that every answered GET of a file is appended to")
    parser.add_argument("--hold-at", type=int, default=0, help="byte of every file its body stops before")
    parser.add_argument("--release", help="file whose existence lets held bodies go on")
    args = parser.parse_args()
    if args.hold_at and not args.release:
        parser.error("--hold-at needs --release")

    server = Server(("127.0.0.1", 0), Handler)
    server.folder = args.folder
    server.throttle = args.throttle
    server.request_log = args.request_log
    server.hold_at = args.hold_at
    server.release = args.release
    print(server.server_address[1], flush=True)

    def watch_parent():
        sys.stdin.read()
        server.shutdown()

    threading.Thread(target=watch_parent, daemon=True).start()
    try:
        server.serve_forever(poll_interval=0.1)
    except KeyboardInterrupt:
        pass
    finally:
        server.server_close()


if __name__ == "__main__":
    main()
