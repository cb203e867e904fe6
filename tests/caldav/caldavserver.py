#!/usr/bin/python3
"""Starts a CalDAV server (Radicale or Xandikos) for the tests on 127.0.0.1 at a free port with
a temporary storage folder, and a fault-injecting proxy in front of it.

    caldavserver.py radicale|xandikos|tls

prints one line "BEREIT <server port> <proxy port>" once both answer, then reads commands
from stdin, one a line, and answers each with "ok":

    stoerung durch                 forward everything (the default)
    stoerung 401|403|404|412|500 [METHODE]
                                   answer with that status (only that method when given)
    stoerung xml [METHODE]         a 207 answer with a broken XML body
    stoerung zeit [METHODE]        no answer for 30 s (longer than any client limit in tests)
    stoerung abbruch [METHODE]     close the connection without an answer
    zaehlen                        prints "ok <n>": requests of each method so far, "PUT=2 ..."

"tls" starts no CalDAV server but an HTTPS server with a self-signed certificate (which no
client may trust), directly and in place of the proxy.

End of stdin, SIGTERM or SIGINT stop the server (its whole process group) and remove the
storage folder. Only 127.0.0.1 is ever bound or contacted.
"""
import ctypes
import http.client
import http.server
import os
import shutil
import signal
import socket
import ssl
import subprocess
import sys
import tempfile
import threading
import time

ADRESSE = "127.0.0.1"
BENUTZER = "test"
PASSWORT = "geheim-Wort"
STARTGRENZE = 20.0
# Debian's interpreter, which has the packages radicale, xandikos and caldav.
PYTHON = "/usr/bin/python3"

stoerung = {"art": "durch", "methode": None}
zaehler = {}
sperre = threading.Lock()


def freier_port():
    with socket.socket(socket.AF_INET, socket.SOCK_STREAM) as s:
        s.bind((ADRESSE, 0))
        return s.getsockname()[1]


def server_starten(art, ordner, port):
    if art == "radicale":
        with open(os.path.join(ordner, "benutzer"), "w") as f:
            f.write(f"{BENUTZER}:{PASSWORT}\n")
        konfig = os.path.join(ordner, "radicale.conf")
        with open(konfig, "w") as f:
            f.write(f"""[server]
hosts = {ADRESSE}:{port}
[auth]
type = htpasswd
htpasswd_filename = {ordner}/benutzer
htpasswd_encryption = plain
delay = 0
[rights]
type = owner_only
[storage]
filesystem_folder = {ordner}/sammlungen
[logging]
level = error
""")
        befehl = [PYTHON, "-m", "radicale", "--config", konfig]
    elif art == "xandikos":
        befehl = [PYTHON, "-m", "xandikos.web", "-d", os.path.join(ordner, "daten"),
                  "-l", ADRESSE, "-p", str(port), "--defaults",
                  "--current-user-principal", "/user/"]
    else:
        sys.exit(f"unbekannter Server {art}")
    return subprocess.Popen(befehl, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                            stderr=open(os.path.join(ordner, "server.log"), "w"),
                            preexec_fn=eigene_gruppe)


def eigene_gruppe():
    """The server gets a process group of its own, and dies with this script even when the
    script itself is killed with SIGKILL."""
    os.setsid()
    ctypes.CDLL("libc.so.6", use_errno=True).prctl(1, signal.SIGTERM)  # PR_SET_PDEATHSIG


def antwortet(port):
    try:
        v = http.client.HTTPConnection(ADRESSE, port, timeout=2)
        v.request("OPTIONS", "/")
        v.getresponse().read()
        v.close()
        return True
    except OSError:
        return False


class Proxy(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    ziel = 0

    def log_message(self, *args):
        pass

    def bearbeiten(self):
        laenge = int(self.headers.get("Content-Length") or 0)
        inhalt = self.rfile.read(laenge) if laenge else b""
        with sperre:
            zaehler[self.command] = zaehler.get(self.command, 0) + 1
            art, methode = stoerung["art"], stoerung["methode"]
        if methode and methode != self.command:
            art = "durch"
        if art in ("401", "403", "404", "412", "500"):
            text = f"Stoerung {art}\n".encode()
            self.send_response(int(art))
            if art == "401":
                self.send_header("WWW-Authenticate", 'Basic realm="Test"')
            self.send_header("Content-Type", "text/plain")
            self.send_header("Content-Length", str(len(text)))
            self.end_headers()
            self.wfile.write(text)
            return
        if art == "zeit":
            time.sleep(30)
            self.close_connection = True
            return
        if art == "abbruch":
            self.close_connection = True
            try:
                self.connection.shutdown(socket.SHUT_RDWR)
            except OSError:
                pass
            return
        v = http.client.HTTPConnection(ADRESSE, self.ziel, timeout=60)
        kopf = {k: w for k, w in self.headers.items()
                if k.lower() not in ("connection", "keep-alive", "proxy-connection")}
        v.request(self.command, self.path, body=inhalt, headers=kopf)
        a = v.getresponse()
        daten = a.read()
        status = a.status
        kopfzeilen = [(k, w) for k, w in a.getheaders()
                      if k.lower() not in ("connection", "keep-alive", "transfer-encoding",
                                           "content-length", "date", "server")]
        v.close()
        if art == "xml":
            status = 207
            daten = (b'<?xml version="1.0" encoding="utf-8"?>\n<D:multistatus xmlns:D="DAV:">'
                     b'<D:response><D:href>/x</D:href><D:propstat><D:prop>')
            kopfzeilen = [("Content-Type", "application/xml; charset=utf-8")]
        self.send_response(status)
        for k, w in kopfzeilen:
            self.send_header(k, w)
        self.send_header("Content-Length", str(len(daten)))
        self.end_headers()
        if self.command != "HEAD":
            self.wfile.write(daten)

    for _m in ("GET", "HEAD", "PUT", "POST", "DELETE", "OPTIONS", "PROPFIND", "PROPPATCH",
               "REPORT", "MKCOL", "MKCALENDAR", "MOVE", "COPY"):
        locals()["do_" + _m] = bearbeiten


class Proxyserver(http.server.ThreadingHTTPServer):
    daemon_threads = True


class Selbstsigniert(http.server.BaseHTTPRequestHandler):
    def log_message(self, *args):
        pass

    def bearbeiten(self):
        self.send_response(207)
        self.send_header("Content-Length", "0")
        self.end_headers()

    do_GET = do_PROPFIND = bearbeiten


def tls_server(ordner):
    schluessel = os.path.join(ordner, "schluessel.pem")
    zertifikat = os.path.join(ordner, "zertifikat.pem")
    subprocess.run(["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2",
                    "-subj", "/CN=127.0.0.1", "-keyout", schluessel, "-out", zertifikat],
                   check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    server = Proxyserver((ADRESSE, 0), Selbstsigniert)
    kontext = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    kontext.load_cert_chain(zertifikat, schluessel)
    server.socket = kontext.wrap_socket(server.socket, server_side=True)
    return server


def main():
    art = sys.argv[1] if len(sys.argv) > 1 else "radicale"
    ordner = tempfile.mkdtemp(prefix="kalvora-caldav-")
    server = None
    proxy = None

    def aufraeumen(*_):
        if server is not None and server.poll() is None:
            try:
                os.killpg(server.pid, signal.SIGTERM)
                server.wait(5)
            except (OSError, subprocess.TimeoutExpired):
                try:
                    os.killpg(server.pid, signal.SIGKILL)
                except OSError:
                    pass
        shutil.rmtree(ordner, ignore_errors=True)
        os._exit(0)

    signal.signal(signal.SIGTERM, aufraeumen)
    signal.signal(signal.SIGINT, aufraeumen)
    signal.signal(signal.SIGHUP, aufraeumen)
    try:
        if art == "tls":
            tls = tls_server(ordner)
            threading.Thread(target=tls.serve_forever, daemon=True).start()
            port = tls.server_address[1]
            print(f"BEREIT {port} {port}", flush=True)
            sys.stdin.read()
            return
        port = freier_port()
        server = server_starten(art, ordner, port)
        ende = time.monotonic() + STARTGRENZE
        while not antwortet(port):
            if server.poll() is not None or time.monotonic() > ende:
                with open(os.path.join(ordner, "server.log")) as f:
                    sys.stderr.write(f.read())
                print("FEHLER Server startet nicht", flush=True)
                aufraeumen()
            time.sleep(0.1)
        Proxy.ziel = port
        proxy = Proxyserver((ADRESSE, 0), Proxy)
        threading.Thread(target=proxy.serve_forever, daemon=True).start()
        print(f"BEREIT {port} {proxy.server_address[1]}", flush=True)
        for zeile in sys.stdin:
            teile = zeile.split()
            if not teile:
                continue
            if teile[0] == "stoerung" and len(teile) >= 2:
                with sperre:
                    stoerung["art"] = teile[1]
                    stoerung["methode"] = teile[2] if len(teile) > 2 else None
                print("ok", flush=True)
            elif teile[0] == "zaehlen":
                with sperre:
                    text = " ".join(f"{k}={w}" for k, w in sorted(zaehler.items()))
                print(f"ok {text}", flush=True)
            else:
                print("unbekannt", flush=True)
    finally:
        aufraeumen()


if __name__ == "__main__":
    main()
