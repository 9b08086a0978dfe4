#!/usr/bin/env python3
"""A stand-in iPhone for the device library's tests.

Serves the phone's side of usbmuxd, lockdownd, AFC, notification_proxy and the diagnostics relay
on a UNIX socket, so
that the unmodified libusbmuxd/libimobiledevice stack talks to it without a daemon or a phone.
A folder stands for the media partition. Tests steer it through a second socket (see Control).

    standin_phone.py run -- TEST [ARGS]   runs every test function of TEST against a fresh phone
    standin_phone.py serve DIR            serves until killed (to try it with idevice_id -l)
"""

import os
import plistlib
import shutil
import signal
import socket
import struct
import subprocess
import sys
import tempfile
import threading

LOCKDOWN_PORT = 62078
DIAGNOSTICS_RELAY = "com.apple.mobile.diagnostics_relay"
SERVICES = ("com.apple.afc", "com.apple.mobile.notification_proxy", DIAGNOSTICS_RELAY)
# How long a restarting phone stays away before it is attached again.
RESTART_SECONDS = 1.0
FIRST_UDID = "00008030-00000000000000A1"
SYNC_LOCK = "com.apple.itunes.lock_sync"

# A fixed RSA public key: the host library builds its pair record from it when pairing.
DEVICE_PUBLIC_KEY = b"""-----BEGIN RSA PUBLIC KEY-----
MIIBCgKCAQEA16vvfMtJzxnd70xAg8gSKwfXBljFVwEMGVzCbSuXI2zoZ4UkCQqe
fa9kxhUKl229aGUWqVzr2GVGpa7UjY2dXWC8ZT7lcAwlcnqzwdp/y1xJIuQ5CqWm
fkBU3v8V4Y7JNxFf6C+xSsnLbodetNCAz/jNxgr75kp67i9Pk4RgVEl/zQMu+8at
6QHfhUao/u+uHZ5REUZX2Ff796o0v5P01hzzWs/N06kGhRwof9+K2tRffMaW19cW
Z/S4d9/XRx6wx3niNlHDUlBpiovEyHoMF0t/aSA9f0KtdrIGV4AoUHdRAFxoSchj
95HdWN1fi1D7JbdNhTbo4pLnjS/9n6VqlQIDAQAB
-----END RSA PUBLIC KEY-----
"""

# What the phone answers to a host it does not trust yet, by refusal mode.
PAIR_ERRORS = {
    "locked": "PasswordProtected",
    "untrusted": "UserDeniedPairing",
    "pending": "PairingDialogResponsePending",
}

AFC_MAGIC = b"CFA6LPAA"
AFC_HEADER = struct.Struct("<8sQQQQ")
OP_STATUS, OP_DATA, OP_READ_DIR = 1, 2, 3
OP_REMOVE, OP_MAKE_DIR, OP_FILE_INFO, OP_DEVICE_INFO = 8, 9, 10, 11
OP_OPEN, OP_OPEN_RESULT, OP_READ, OP_WRITE = 13, 14, 15, 16
OP_CLOSE, OP_RENAME, OP_LOCK = 20, 24, 27
E_SUCCESS, E_UNKNOWN, E_INVALID_ARG, E_NOT_FOUND = 0, 1, 7, 8
E_IS_DIR, E_PERM_DENIED, E_EXISTS, E_WOULD_BLOCK = 9, 10, 16, 19
LOCK_EX, LOCK_UN = 2, 8


def recv_exact(sock, size):
    data = b""
    while len(data) < size:
        chunk = sock.recv(size - len(data))
        if not chunk:
            raise ConnectionError("closed")
        data += chunk
    return data


def recv_framed_plist(sock):
    (length,) = struct.unpack(">I", recv_exact(sock, 4))
    return plistlib.loads(recv_exact(sock, length))


def send_framed_plist(sock, value):
    body = plistlib.dumps(value)
    sock.sendall(struct.pack(">I", len(body)) + body)


class Unplugged(Exception):
    """Raised inside a service when the phone goes away in the middle of a request."""


class Phone:
    """The state of the stand-in: attached devices, trust, the media folder, locks, switches."""

    def __init__(self, folder):
        self.folder = folder
        self.root = os.path.join(folder, "root")
        os.makedirs(os.path.join(self.root, "iTunes_Control", "iTunes"), exist_ok=True)
        os.makedirs(os.path.join(self.root, "iTunes_Control", "Ringtones"), exist_ok=True)
        self.mutex = threading.RLock()
        self.devices = {}  # udid -> device id
        self.next_device_id = 1
        self.listeners = []
        self.connections = set()
        self.pair_records = {FIRST_UDID: self.pair_record()}
        self.refusal = "none"
        self.locks = {}  # path -> owner (an AFC connection, or "other")
        self.trap = None  # (operation, path fragment): unplug when reached
        self.notifications = []
        self.counts = {}
        self.next_port = 49200
        self.services = {}  # port -> service name
        self.attach(FIRST_UDID)

    @staticmethod
    def pair_record():
        return {"HostID": "5F3A0C9D-81B4-4E7A-9C1D-2B3E4F5A6B7C", "SystemBUID": "STANDIN-BUID"}

    def count(self, what):
        with self.mutex:
            self.counts[what] = self.counts.get(what, 0) + 1

    def attach(self, udid):
        with self.mutex:
            if udid in self.devices:
                return
            self.devices[udid] = self.next_device_id
            self.next_device_id += 1
            for listener in list(self.listeners):
                listener.send_attached(udid)

    def detach(self, udid):
        with self.mutex:
            device_id = self.devices.pop(udid, None)
            if device_id is None:
                return
            self.drop_connections()
            for listener in list(self.listeners):
                listener.send_detached(device_id)

    def drop_connections(self):
        """Closes every service connection, as when the cable goes or the phone resets them."""
        with self.mutex:
            for conn in list(self.connections):
                conn.close()
            self.connections.clear()
            self.locks = {p: o for p, o in self.locks.items() if o == "other"}

    def restart(self, udid):
        """Goes away as a restarting phone does and comes back a moment later."""
        self.detach(udid)
        threading.Timer(RESTART_SECONDS, self.attach, [udid]).start()

    def unplug(self):
        with self.mutex:
            for udid in list(self.devices):
                self.detach(udid)

    def udid_of(self, device_id):
        with self.mutex:
            for udid, known in self.devices.items():
                if known == device_id:
                    return udid
        return None

    def open_service(self, name):
        with self.mutex:
            port = self.next_port
            self.next_port += 1
            self.services[port] = name
            return port

    def spring_trap(self, operation, path):
        with self.mutex:
            if self.trap and self.trap[0] == operation and self.trap[1] in path:
                self.trap = None
                return True
        return False


class Connection:
    """One client of the muxer socket; after Connect it carries one service."""

    def __init__(self, phone, sock):
        self.phone = phone
        self.sock = sock
        self.send_lock = threading.Lock()

    def close(self):
        try:
            self.sock.shutdown(socket.SHUT_RDWR)
        except OSError:
            pass
        self.sock.close()

    def run(self):
        try:
            self.serve_mux()
        except (ConnectionError, OSError, Unplugged, struct.error, plistlib.InvalidFileException):
            pass
        finally:
            with self.phone.mutex:
                self.phone.connections.discard(self)
                if self in self.phone.listeners:
                    self.phone.listeners.remove(self)
            self.close()

    # usbmuxd: 16-byte little-endian header (length, version 1, message 8 = plist, tag).
    def send_mux(self, value, tag):
        body = plistlib.dumps(value)
        with self.send_lock:
            self.sock.sendall(struct.pack("<IIII", 16 + len(body), 1, 8, tag) + body)

    def result(self, number, tag):
        self.send_mux({"MessageType": "Result", "Number": number}, tag)

    def device_properties(self, udid):
        device_id = self.phone.devices[udid]
        return {"ConnectionSpeed": 480000000, "ConnectionType": "USB", "DeviceID": device_id,
                "LocationID": 0, "ProductID": 4776, "SerialNumber": udid}

    def send_attached(self, udid):
        device_id = self.phone.devices[udid]
        self.send_mux({"MessageType": "Attached", "DeviceID": device_id,
                       "Properties": self.device_properties(udid)}, 0)

    def send_detached(self, device_id):
        self.send_mux({"MessageType": "Detached", "DeviceID": device_id}, 0)

    def serve_mux(self):
        while True:
            length, _, _, tag = struct.unpack("<IIII", recv_exact(self.sock, 16))
            request = plistlib.loads(recv_exact(self.sock, length - 16))
            kind = request.get("MessageType")
            self.phone.count("mux " + str(kind))
            if kind == "Connect":
                if self.connect(request, tag):
                    return
            else:
                self.answer_mux(kind, request, tag)

    def answer_mux(self, kind, request, tag):
        phone = self.phone
        with phone.mutex:
            if kind == "ListDevices":
                devices = [{"MessageType": "Attached", "DeviceID": phone.devices[u],
                            "Properties": self.device_properties(u)} for u in phone.devices]
                self.send_mux({"DeviceList": devices}, tag)
            elif kind == "Listen":
                self.result(0, tag)
                phone.listeners.append(self)
                for udid in phone.devices:
                    self.send_attached(udid)
            elif kind == "ReadBUID":
                self.send_mux({"BUID": "STANDIN-BUID"}, tag)
            elif kind == "ReadPairRecord":
                record = phone.pair_records.get(request.get("PairRecordID"))
                if record is None:
                    self.result(2, tag)
                else:
                    self.send_mux({"PairRecordData": plistlib.dumps(record)}, tag)
            elif kind == "SavePairRecord":
                data = request.get("PairRecordData", b"")
                phone.pair_records[request.get("PairRecordID")] = plistlib.loads(data)
                self.result(0, tag)
            elif kind == "DeletePairRecord":
                phone.pair_records.pop(request.get("PairRecordID"), None)
                self.result(0, tag)
            else:
                self.result(1, tag)

    def connect(self, request, tag):
        # The port arrives in network byte order, read as a little-endian number.
        port = socket.ntohs(request.get("PortNumber", 0))
        with self.phone.mutex:
            udid = self.phone.udid_of(request.get("DeviceID"))
            service = "lockdownd" if port == LOCKDOWN_PORT else self.phone.services.pop(port, None)
            if udid is None or service is None:
                self.result(3, tag)  # connection refused
                return False
            self.phone.connections.add(self)
        self.result(0, tag)
        if service == "lockdownd":
            Lockdown(self.phone, self.sock, udid).serve()
        elif service == "com.apple.afc":
            Afc(self.phone, self.sock, self).serve()
        elif service == "com.apple.mobile.notification_proxy":
            NotificationProxy(self.phone, self.sock).serve()
        elif service == DIAGNOSTICS_RELAY:
            DiagnosticsRelay(self.phone, self.sock, udid).serve()
        return True


class Lockdown:
    """lockdownd: 4-byte big-endian length and a plist per message, both ways."""

    VALUES = {"ProductVersion": "16.7.2", "ProductType": "iPhone12,8", "DeviceName": "Stand-in",
              "DeviceClass": "iPhone", "BuildVersion": "20H115", "PasswordProtected": False,
              "DevicePublicKey": DEVICE_PUBLIC_KEY}

    def __init__(self, phone, sock, udid):
        self.phone = phone
        self.sock = sock
        self.udid = udid

    def serve(self):
        while True:
            request = recv_framed_plist(self.sock)
            name = request.get("Request")
            self.phone.count("lockdown " + str(name))
            reply = {"Request": name}
            reply.update(self.answer(name, request))
            if "Error" not in reply and "Result" not in reply:
                reply["Result"] = "Success"
            send_framed_plist(self.sock, reply)

    def values(self):
        values = dict(self.VALUES)
        values["UniqueDeviceID"] = self.udid
        values["WiFiAddress"] = "02:00:00:00:00:01"
        return values

    def answer(self, name, request):
        phone = self.phone
        if name == "QueryType":
            return {"Type": "com.apple.mobile.lockdown"}
        if name == "GetValue":
            values = self.values()
            key = request.get("Key")
            if key is None:
                return {"Value": values}
            if key not in values:
                return {"Error": "MissingValue"}
            return {"Key": key, "Value": values[key]}
        if name == "Pair":
            with phone.mutex:
                if phone.refusal in PAIR_ERRORS:
                    return {"Error": PAIR_ERRORS[phone.refusal]}
                phone.pair_records[self.udid] = dict(request.get("PairRecord", {}))
            return {"EscrowBag": b"standin-escrow"}
        if name == "ValidatePair":
            return {}
        if name == "StartSession":
            with phone.mutex:
                record = phone.pair_records.get(self.udid)
                if phone.refusal == "invalidhost" or record is None \
                        or record.get("HostID") != request.get("HostID"):
                    return {"Error": "InvalidHostID"}
            return {"SessionID": "STANDIN-SESSION", "EnableSessionSSL": False}
        if name == "StopSession":
            return {}
        if name == "StartService":
            service = request.get("Service")
            if service not in SERVICES:
                return {"Error": "InvalidService"}
            return {"Service": service, "Port": phone.open_service(service),
                    "EnableServiceSSL": False}
        if name == "Goodbye":
            return {}
        return {"Error": "InvalidRequest"}


class NotificationProxy:
    """Records every name posted; answers Shutdown with ProxyDeath and hangs up."""

    def __init__(self, phone, sock):
        self.phone = phone
        self.sock = sock

    def serve(self):
        while True:
            request = recv_framed_plist(self.sock)
            command = request.get("Command")
            self.phone.count("np " + str(command))
            if command == "PostNotification":
                with self.phone.mutex:
                    self.phone.notifications.append(request.get("Name", ""))
            elif command == "Shutdown":
                send_framed_plist(self.sock, {"Command": "ProxyDeath"})
                return


class DiagnosticsRelay:
    """Answers Restart and Goodbye; a phone asked to restart does so once the client hangs up."""

    def __init__(self, phone, sock, udid):
        self.phone = phone
        self.sock = sock
        self.udid = udid

    def serve(self):
        restarting = False
        try:
            while True:
                request = recv_framed_plist(self.sock)
                name = request.get("Request")
                self.phone.count("diag-" + str(name))
                known = name in ("Restart", "Goodbye")
                send_framed_plist(self.sock, {"Status": "Success" if known else "UnknownRequest"})
                restarting = restarting or name == "Restart"
                if name == "Goodbye":
                    return
        finally:
            if restarting:
                self.phone.restart(self.udid)


class Afc:
    """AFC over the media folder: 40-byte little-endian header, packet number echoed."""

    def __init__(self, phone, sock, owner):
        self.phone = phone
        self.sock = sock
        self.owner = owner
        self.handles = {}  # handle -> (file, path)
        self.next_handle = 1

    def local(self, path):
        parts = [p for p in path.decode("utf-8", "surrogateescape").split("/") if p not in ("", ".")]
        if ".." in parts:
            return None
        return os.path.join(self.phone.root, *parts)

    def send(self, number, operation, data=b""):
        header = AFC_HEADER.pack(AFC_MAGIC, 40 + len(data), 40 + len(data), number, operation)
        self.sock.sendall(header + data)

    def status(self, number, code):
        self.send(number, OP_STATUS, struct.pack("<Q", code))

    def serve(self):
        try:
            while True:
                magic, entire, this, number, operation = AFC_HEADER.unpack(recv_exact(self.sock, 40))
                if magic != AFC_MAGIC:
                    return
                header_data = recv_exact(self.sock, this - 40)
                payload = recv_exact(self.sock, entire - this)
                self.phone.count("afc %d" % operation)
                self.dispatch(number, operation, header_data, payload)
        finally:
            with self.phone.mutex:
                for path, holder in list(self.phone.locks.items()):
                    if holder is self:
                        del self.phone.locks[path]
            for handle in list(self.handles.values()):
                handle[0].close()

    def dispatch(self, number, operation, data, payload):
        handler = {OP_READ_DIR: self.read_dir, OP_FILE_INFO: self.file_info,
                   OP_DEVICE_INFO: self.device_info, OP_OPEN: self.open, OP_READ: self.read,
                   OP_WRITE: self.write, OP_CLOSE: self.close, OP_REMOVE: self.remove,
                   OP_MAKE_DIR: self.make_dir, OP_RENAME: self.rename,
                   OP_LOCK: self.lock}.get(operation)
        if handler is None:
            self.status(number, E_UNKNOWN)
            return
        try:
            handler(number, data, payload)
        except FileNotFoundError:
            self.status(number, E_NOT_FOUND)
        except IsADirectoryError:
            self.status(number, E_IS_DIR)
        except PermissionError:
            self.status(number, E_PERM_DENIED)
        except FileExistsError:
            self.status(number, E_EXISTS)
        except OSError:
            self.status(number, E_UNKNOWN)

    def path_of(self, data):
        path = self.local(data.split(b"\0")[0])
        if path is None:
            raise PermissionError()
        return path

    def read_dir(self, number, data, _):
        names = [".", ".."] + sorted(os.listdir(self.path_of(data)))
        self.send(number, OP_DATA, b"".join(n.encode("utf-8", "surrogateescape") + b"\0"
                                            for n in names))

    def file_info(self, number, data, _):
        info = os.stat(self.path_of(data))
        kind = "S_IFDIR" if os.path.isdir(self.path_of(data)) else "S_IFREG"
        fields = [("st_size", info.st_size), ("st_blocks", info.st_blocks),
                  ("st_nlink", info.st_nlink), ("st_ifmt", kind),
                  ("st_mtime", info.st_mtime_ns), ("st_birthtime", info.st_mtime_ns)]
        self.send(number, OP_DATA, b"".join(k.encode() + b"\0" + str(v).encode() + b"\0"
                                            for k, v in fields))

    def device_info(self, number, _, __):
        self.send(number, OP_DATA, b"Model\0iPhone12,8\0FSTotalBytes\0" b"64000000000\0"
                                   b"FSFreeBytes\0" b"32000000000\0FSBlockSize\0" b"4096\0")

    def open(self, number, data, _):
        (mode,) = struct.unpack_from("<Q", data)
        path = self.path_of(data[8:])
        flags = {1: "rb", 2: "r+b", 3: "wb", 4: "w+b", 5: "ab", 6: "a+b"}.get(mode)
        if flags is None:
            self.status(number, E_INVALID_ARG)
            return
        if mode == 2 and not os.path.exists(path):
            open(path, "wb").close()
        handle = self.next_handle
        self.next_handle += 1
        self.handles[handle] = (open(path, flags), path)
        self.send(number, OP_OPEN_RESULT, struct.pack("<Q", handle))

    def handle(self, data):
        entry = self.handles.get(struct.unpack_from("<Q", data)[0])
        if entry is None:
            raise OSError("bad handle")
        return entry

    def read(self, number, data, _):
        file, _ = self.handle(data)
        (size,) = struct.unpack_from("<Q", data, 8)
        self.send(number, OP_DATA, file.read(size))

    def write(self, number, data, payload):
        file, path = self.handle(data)
        if self.phone.spring_trap("write", path):
            file.write(payload[: len(payload) // 2])
            file.flush()
            self.phone.unplug()
            raise Unplugged()
        file.write(payload)
        self.status(number, E_SUCCESS)

    def close(self, number, data, _):
        (handle,) = struct.unpack_from("<Q", data)
        entry = self.handles.pop(handle, None)
        if entry is None:
            self.status(number, E_INVALID_ARG)
            return
        entry[0].close()
        with self.phone.mutex:
            if self.phone.locks.get(entry[1]) is self:
                del self.phone.locks[entry[1]]
        self.status(number, E_SUCCESS)

    def remove(self, number, data, _):
        path = self.path_of(data)
        if os.path.isdir(path):
            os.rmdir(path)
        else:
            os.remove(path)
        self.status(number, E_SUCCESS)

    def make_dir(self, number, data, _):
        os.makedirs(self.path_of(data), exist_ok=True)
        self.status(number, E_SUCCESS)

    def rename(self, number, data, _):
        names = data.split(b"\0")
        source, target = self.local(names[0]), self.local(names[1])
        if source is None or target is None:
            raise PermissionError()
        if self.phone.spring_trap("rename", target):
            self.phone.unplug()
            raise Unplugged()
        os.replace(source, target)
        self.status(number, E_SUCCESS)

    def lock(self, number, data, _):
        _, path = self.handle(data)
        (operation,) = struct.unpack_from("<Q", data, 8)
        with self.phone.mutex:
            holder = self.phone.locks.get(path)
            if operation & LOCK_UN:
                if holder is self:
                    del self.phone.locks[path]
                self.status(number, E_SUCCESS)
            elif holder is not None and holder is not self:
                self.status(number, E_WOULD_BLOCK)
            else:
                self.phone.locks[path] = self
                self.status(number, E_SUCCESS)


class Control:
    """Line commands from the tests; every answer is one line.

    attach UDID | detach UDID | unplug | drop | refuse none|locked|untrusted|pending|invalidhost
    holdlock on|off | trap write|rename FRAGMENT | notifications | clearnotifications
    count PREFIX | clearcounts | forget UDID
    """

    def __init__(self, phone):
        self.phone = phone

    def answer(self, line):
        words = line.split(" ", 2)
        command, args = words[0], words[1:]
        phone = self.phone
        with phone.mutex:
            if command == "attach":
                phone.attach(args[0])
            elif command == "detach":
                phone.detach(args[0])
            elif command == "unplug":
                phone.unplug()
            elif command == "drop":
                phone.drop_connections()
            elif command == "refuse":
                phone.refusal = args[0]
            elif command == "forget":
                phone.pair_records.pop(args[0], None)
            elif command == "holdlock":
                lock = os.path.join(phone.root, SYNC_LOCK)
                if args[0] == "on":
                    phone.locks[lock] = "other"
                elif phone.locks.get(lock) == "other":
                    del phone.locks[lock]
            elif command == "trap":
                phone.trap = (args[0], args[1])
            elif command == "notifications":
                return "\t".join(phone.notifications)
            elif command == "clearnotifications":
                phone.notifications.clear()
            elif command == "count":
                prefix = args[0] if args else ""
                return str(sum(n for k, n in phone.counts.items() if k.startswith(prefix)))
            elif command == "clearcounts":
                phone.counts.clear()
            else:
                return "unknown command"
        return "ok"

    def serve_client(self, sock):
        with sock, sock.makefile("rwb") as stream:
            for raw in stream:
                reply = self.answer(raw.decode("utf-8").strip())
                stream.write(reply.encode("utf-8") + b"\n")
                stream.flush()


def serve_socket(path, handle):
    server = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
    server.bind(path)
    server.listen(16)

    def accept():
        while True:
            try:
                sock, _ = server.accept()
            except OSError:
                return
            threading.Thread(target=handle, args=(sock,), daemon=True).start()

    threading.Thread(target=accept, daemon=True).start()
    return server


def start(folder):
    """Starts a fresh phone in folder; returns the environment a test needs and the servers."""
    phone = Phone(folder)
    control = Control(phone)
    mux_path = os.path.join(folder, "usbmuxd")
    control_path = os.path.join(folder, "control")
    servers = [serve_socket(mux_path, lambda s: Connection(phone, s).run()),
               serve_socket(control_path, control.serve_client)]
    env = {"USBMUXD_SOCKET_ADDRESS": "UNIX:" + mux_path, "STANDIN_CONTROL": control_path,
           "STANDIN_ROOT": phone.root, "STANDIN_UDID": FIRST_UDID}
    return phone, env, servers


def stop(phone, servers):
    for server in servers:
        server.close()
    with phone.mutex:
        phone.drop_connections()
        for listener in list(phone.listeners):
            listener.close()


def test_functions(command):
    listed = subprocess.run(command + ["-functions"], capture_output=True, text=True, check=True)
    return [line.strip()[:-2] for line in listed.stdout.splitlines() if line.strip().endswith("()")]


def run_tests(command):
    """Each test function gets a phone, a folder and a socket of its own."""
    env = dict(os.environ)
    env.pop("HANDVIA_ROOT", None)
    failed = []
    for function in test_functions(command):
        folder = tempfile.mkdtemp(prefix="standin-")
        phone, extra, servers = start(folder)
        try:
            result = subprocess.run(command + [function], env={**env, **extra})
            if result.returncode != 0:
                failed.append(function)
        finally:
            stop(phone, servers)
            shutil.rmtree(folder, ignore_errors=True)
    if failed:
        print("failed: " + ", ".join(failed), file=sys.stderr)
    return 1 if failed else 0


def main(argv):
    if len(argv) >= 3 and argv[1] == "run" and argv[2] == "--":
        return run_tests(argv[3:])
    if len(argv) == 3 and argv[1] == "serve":
        os.makedirs(argv[2], exist_ok=True)
        _, env, _ = start(argv[2])
        for key, value in env.items():
            print("%s=%s" % (key, value), flush=True)
        signal.sigwait([signal.SIGINT, signal.SIGTERM])
        return 0
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
