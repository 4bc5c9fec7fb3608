# A TLS server on 127.0.0.1 for the update tests: every HEAD and GET is answered with a redirect
# to the given address, but for the paths given with their bodies. Usage: tls_redirect.py CERT KEY
# TARGET PORTFILE [PATH=BODY ...]; it writes its port to PORTFILE and serves until it is ended.
import http.server
import ssl
import sys

cert, key, target, port_file = sys.argv[1:5]
served = dict(arg.split("=", 1) for arg in sys.argv[5:])


class Redirect(http.server.BaseHTTPRequestHandler):
    def do_HEAD(self):
        body = served.get(self.path)
        if body is None:
            self.send_response(302)
            self.send_header("Location", target)
            self.send_header("Content-Length", "0")
        else:
            self.send_response(200)
            self.send_header("Content-Length", str(len(body.encode())))
        self.end_headers()
        return body

    def do_GET(self):
        body = self.do_HEAD()
        if body is not None:
            self.wfile.write(body.encode())

    def log_message(self, *args):
        pass


server = http.server.HTTPServer(("127.0.0.1", 0), Redirect)
context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
context.load_cert_chain(cert, key)
server.socket = context.wrap_socket(server.socket, server_side=True)
with open(port_file, "w") as out:
    out.write("%d\n" % server.server_port)
server.serve_forever()
