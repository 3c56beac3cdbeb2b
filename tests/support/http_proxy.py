#!/usr/bin/env python3
"""A small forwarding HTTP proxy for end-to-end tests, on 127.0.0.1 only.

usage: http_proxy.py [--all-to HOST]

With --all-to, every request goes to HOST (the port of the request kept),
whatever host it names: a test can then use a host name that resolves
nowhere else, so that nothing reaches the server without the proxy.

Prints the port it listens on as the first line of standard output, then one
line per request it forwards ("GET http://host:port/path"), and serves until
standard input is closed (its parent went away) or it is killed. Plain HTTP
only (no CONNECT): the test servers speak HTTP.
"""

import argparse
import http.client
import sys
import threading
import urllib.parse
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

HOP_BY_HOP = {"connection", "keep-alive", "proxy-connection", "proxy-authorization", "te", "trailer",
              "transfer-encoding", "upgrade"}


class Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, *args):
        pass

    def do_GET(self):
        self.forward(send_body=True)

    def do_HEAD(self):
        self.forward(send_body=False)

    def forward(self, send_body):
        target = urllib.parse.urlsplit(self.path)
        print(f"{self.command} {self.path}", flush=True)
        if target.scheme != "http" or not target.hostname:
            self.send_error(400, "absolute http URLs only")
            return
        host = self.server.all_to or target.hostname
        upstream = http.client.HTTPConnection(host, target.port or 80, timeout=60)
        path = target.path or "/"
        if target.query:
            path += "?" + target.query
        headers = {k: v for k, v in self.headers.items() if k.lower() not in HOP_BY_HOP}
        try:
            upstream.request(self.command, path, headers=headers)
            response = upstream.getresponse()
            body = response.read()
        except OSError as error:
            self.send_error(502, str(error))
            return
        finally:
            upstream.close()
        self.send_response(response.status, response.reason)
        for key, value in response.getheaders():
            if key.lower() not in HOP_BY_HOP and key.lower() != "content-length":
                self.send_header(key, value)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        if send_body:
            self.wfile.write(body)


class Server(ThreadingHTTPServer):
    daemon_threads = True


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--all-to", default=None, help="send every request to this host")
    args = parser.parse_args()
    server = Server(("127.0.0.1", 0), Handler)
    server.all_to = args.all_to
    print(server.server_address[1], flush=True)

    def watch_parent():
        sys.stdin.read()
        server.shutdown()

    threading.Thread(target=watch_parent, daemon=True).start()
    try:
        server.serve_forever(poll_interval=0.1)
    finally:
        server.server_close()


if __name__ == "__main__":
    main()
