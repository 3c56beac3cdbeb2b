#!/usr/bin/env python3
"""Imitates GitHub's release pages for the tool updater's tests, on 127.0.0.1.

usage: release_server.py FOLDER

Prints the port it listens on as the first line of standard output, then
serves until standard input is closed or it is killed.

FOLDER/<owner>/<repo>/latest holds the latest release's tag, and
FOLDER/<owner>/<repo>/<tag>/<file> the release's files. Routes:
  /<owner>/<repo>/releases/latest               302 to .../releases/tag/<tag>
  /<owner>/<repo>/releases/download/<tag>/<f>   302 to /assets/... (as GitHub
                                                redirects to its file host)
  /assets/<owner>/<repo>/<tag>/<f>              the file
A file <f>.fault beside a release file changes how it is served: "404" or
"500" answers that status, "truncate" announces the whole length and closes
after half of it, "slow" sends 4 KiB every 50 ms.

Each request's path is appended to FOLDER/requests.log before it is answered,
so a test can tell whether anything asked.
"""

import os
import sys
import threading
import time
import urllib.parse
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer


log_lock = threading.Lock()


class Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    server_version = "TarvelleReleaseServer/1"
    folder = "."

    def log_message(self, *args):
        pass

    def do_HEAD(self):
        self.respond(send_body=False)

    def do_GET(self):
        self.respond(send_body=True)

    def respond(self, send_body):
        with log_lock, open(os.path.join(self.folder, "requests.log"), "a", encoding="utf-8") as log:
            log.write(self.path + "\n")
        parts = [p for p in urllib.parse.unquote(urllib.parse.urlsplit(self.path).path).split("/") if p]
        if any(p in (".", "..") for p in parts):
            return self.status(404, send_body)
        if len(parts) == 4 and parts[2:] == ["releases", "latest"]:
            latest = os.path.join(self.folder, parts[0], parts[1], "latest")
            if not os.path.isfile(latest):
                return self.status(404, send_body)
            with open(latest, encoding="utf-8") as f:
                tag = f.read().strip()
            return self.redirect(f"/{parts[0]}/{parts[1]}/releases/tag/{tag}", send_body)
        if len(parts) == 6 and parts[2:4] == ["releases", "download"]:
            return self.redirect("/assets/" + "/".join([parts[0], parts[1], parts[4], parts[5]]), send_body)
        if len(parts) == 5 and parts[0] == "assets":
            return self.send_release_file(os.path.join(self.folder, *parts[1:]), send_body)
        return self.status(404, send_body)

    def status(self, code, send_body):
        body = f"{code}\n".encode()
        self.send_response(code)
        self.send_header("Content-Type", "text/plain")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        if send_body:
            self.wfile.write(body)

    def redirect(self, location, send_body):
        self.send_response(302)
        self.send_header("Location", location)
        self.send_header("Content-Length", "0")
        self.end_headers()

    def send_release_file(self, path, send_body):
        fault = ""
        if os.path.isfile(path + ".fault"):
            with open(path + ".fault", encoding="utf-8") as f:
                fault = f.read().strip()
        if fault in ("404", "500"):
            return self.status(int(fault), send_body)
        if not os.path.isfile(path):
            return self.status(404, send_body)
        with open(path, "rb") as f:
            data = f.read()
        self.send_response(200)
        self.send_header("Content-Type", "application/octet-stream")
        self.send_header("Content-Length", str(len(data)))
        self.end_headers()
        if not send_body:
            return
        if fault == "truncate":
            self.wfile.write(data[: len(data) // 2])
            self.wfile.flush()
            self.close_connection = True
            return
        if fault == "slow":
            for start in range(0, len(data), 4096):
                self.wfile.write(data[start:start + 4096])
                self.wfile.flush()
                time.sleep(0.05)
            return
        self.wfile.write(data)


class Server(ThreadingHTTPServer):
    daemon_threads = True

    def handle_error(self, request, client_address):
        # A client that goes away mid-request (a cancel, a program that ended)
        # is no fault of the server's.
        pass


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    Handler.folder = sys.argv[1]
    server = Server(("127.0.0.1", 0), Handler)
    print(server.server_address[1], flush=True)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    # Ends when the parent closes standard input or goes away.
    sys.stdin.read()
    server.shutdown()


if __name__ == "__main__":
    main()
