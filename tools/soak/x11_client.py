# SPDX-License-Identifier: GPL-3.0-or-later
"""A tiny X11 client for the soak test: asks whether a program's event loop still answers,
and what kind of window (dialog, menu, tooltip) a window is. Standard library only.

A toolkit that lists _NET_WM_PING in WM_PROTOCOLS (Qt does) answers a ping client message
sent to one of its windows by sending the message back to the root window. The answer comes
from the program's user-interface thread while it handles its event queue, so it proves that
thread is not stuck, whatever the screen shows: a busy or blocked loop answers late or never.
No window manager is needed. This speaks the X11 wire protocol over the display's Unix
socket, so it needs a local display that asks for no authorisation, as Xvfb gives.
"""

import select
import socket
import struct
import time


class WindowGone(Exception):
    """The window that was asked about no longer exists."""


class X11Client:
    _STRUCTURE_NOTIFY = 1 << 17
    _CW_EVENT_MASK = 1 << 11
    _CLIENT_MESSAGE = 33
    _BAD_WINDOW = 3

    def __init__(self, display):
        number = display.lstrip(":").split(".")[0]
        self._socket = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self._socket.connect("/tmp/.X11-unix/X" + number)
        # A server that takes no request for this long is stuck (a client that dies while it
        # holds a server grab can do that): sending then fails instead of waiting for ever.
        self._socket.settimeout(30)
        self._buffer = b""
        self._sequence = 0
        self._token = 0
        self._atoms = {}
        self.root = self._handshake()
        self._wm_protocols = self.atom("WM_PROTOCOLS")
        self._net_wm_ping = self.atom("_NET_WM_PING")
        # Qt sends its answer to the root window, to clients that listen for its structure.
        self._request(struct.pack("<BxHIII", 2, 4, self.root, self._CW_EVENT_MASK, self._STRUCTURE_NOTIFY))

    def close(self):
        self._socket.close()

    def ping(self, window, timeout):
        """Seconds until the program answered, or None when it did not within timeout."""
        self._token = (self._token + 1) & 0xFFFFFFFF
        event = struct.pack("<BBHII5I", self._CLIENT_MESSAGE, 32, 0, window, self._wm_protocols,
                            self._net_wm_ping, self._token, window, 0, 0)
        started = time.monotonic()
        sequence = self._request(struct.pack("<BBHII", 25, 0, 11, window, 0) + event)
        deadline = started + timeout
        while True:
            packet = self._next_packet(deadline)
            if packet is None:
                return None
            if self._is_error_for(packet, sequence):
                raise WindowGone(hex(window))
            if packet[0] & 0x7F == self._CLIENT_MESSAGE:
                target, _, atom, token = struct.unpack_from("<IIII", packet, 4)
                if target == self.root and atom == self._net_wm_ping and token == self._token:
                    return time.monotonic() - started

    def window_types(self, window):
        """The atom names of the window's _NET_WM_WINDOW_TYPE; empty when it has none or is gone."""
        return [self.atom_name(value) for value in self._property32(window, "_NET_WM_WINDOW_TYPE", 4)]  # type ATOM

    def children(self, window):
        """The window's children, bottom to top; empty when it is gone."""
        packet = self._reply(self._request(struct.pack("<BxHI", 15, 2, window)))
        if packet is None:
            return []
        count = struct.unpack_from("<H", packet, 16)[0]
        return list(struct.unpack_from("<%dI" % count, packet, 32))

    def viewable(self, window):
        """Mapped with all its ancestors mapped."""
        packet = self._reply(self._request(struct.pack("<BxHI", 3, 2, window)))
        return packet is not None and packet[26] == 2

    def screen_rect(self, window):
        """(x, y, width, height) of the window on the screen, or None when it is gone."""
        packet = self._reply(self._request(struct.pack("<BxHI", 14, 2, window)))
        if packet is None:
            return None
        width, height = struct.unpack_from("<HH", packet, 16)
        packet = self._reply(self._request(struct.pack("<BxHIIhh", 40, 4, window, self.root, 0, 0)))
        if packet is None:
            return None
        x, y = struct.unpack_from("<hh", packet, 12)
        return x, y, width, height

    def pid(self, window):
        """The process id the window's owner stored in _NET_WM_PID, or None."""
        values = self._property32(window, "_NET_WM_PID", 6)  # type CARDINAL
        return values[0] if values else None

    def title(self, window):
        """The window's title (_NET_WM_NAME), empty when it has none or is gone."""
        sequence = self._request(struct.pack("<BBHIIIII", 20, 0, 6, window, self.atom("_NET_WM_NAME"),
                                             self.atom("UTF8_STRING"), 0, 64))
        packet = self._reply(sequence)
        if packet is None or packet[1] != 8:
            return ""
        length = struct.unpack_from("<I", packet, 16)[0]
        return packet[32:32 + length].decode(errors="replace")

    def _property32(self, window, name, kind):
        sequence = self._request(struct.pack("<BBHIIIII", 20, 0, 6, window, self.atom(name), kind, 0, 16))
        packet = self._reply(sequence)
        if packet is None or packet[1] != 32:
            return []
        count = struct.unpack_from("<I", packet, 16)[0]
        return list(struct.unpack_from("<%dI" % count, packet, 32))

    def atom(self, name):
        if name not in self._atoms:
            data = name.encode()
            padded = data + b"\0" * (-len(data) % 4)
            sequence = self._request(struct.pack("<BBHHxx", 16, 0, 2 + len(padded) // 4, len(data)) + padded)
            packet = self._reply(sequence)
            self._atoms[name] = struct.unpack_from("<I", packet, 8)[0]
        return self._atoms[name]

    def atom_name(self, value):
        for name, known in self._atoms.items():
            if known == value:
                return name
        packet = self._reply(self._request(struct.pack("<BxHI", 17, 2, value)))
        if packet is None:
            return str(value)
        length = struct.unpack_from("<H", packet, 8)[0]
        name = packet[32:32 + length].decode(errors="replace")
        self._atoms[name] = value
        return name

    def _handshake(self):
        self._socket.sendall(struct.pack("<BxHHHHxx", ord("l"), 11, 0, 0, 0))
        head = self._read_exactly(8, time.monotonic() + 10)
        status, _, _, _, extra_words = struct.unpack("<BBHHH", head)
        body = self._read_exactly(extra_words * 4, time.monotonic() + 10)
        if status != 1:
            raise OSError("the X server refused the connection: " + body.decode(errors="replace"))
        vendor_length, _, _, format_count = struct.unpack_from("<HHBB", body, 16)
        screens = 32 + (vendor_length + 3) // 4 * 4 + 8 * format_count
        return struct.unpack_from("<I", body, screens)[0]

    def _request(self, data):
        try:
            self._socket.sendall(data)
        except socket.timeout:
            raise OSError("the X server took no request for 30 s") from None
        self._sequence = (self._sequence + 1) & 0xFFFF
        return self._sequence

    def _reply(self, sequence):
        """The reply to one request, or None when the server answered with an error."""
        while True:
            packet = self._next_packet(time.monotonic() + 10)
            if packet is None:
                raise OSError("the X server did not answer")
            if self._is_error_for(packet, sequence):
                return None
            if packet[0] == 1 and struct.unpack_from("<H", packet, 2)[0] == sequence:
                return packet

    @staticmethod
    def _is_error_for(packet, sequence):
        return packet[0] == 0 and struct.unpack_from("<H", packet, 2)[0] == sequence

    def _next_packet(self, deadline):
        """One reply, error or event (events and errors are 32 bytes; replies may be longer)."""
        try:
            packet = self._read_exactly(32, deadline)
        except TimeoutError:
            return None
        if packet[0] == 1:
            extra = struct.unpack_from("<I", packet, 4)[0] * 4
            if extra:
                packet += self._read_exactly(extra, time.monotonic() + 10)
        return packet

    def _read_exactly(self, count, deadline):
        while len(self._buffer) < count:
            left = deadline - time.monotonic()
            if left <= 0 or not select.select([self._socket], [], [], left)[0]:
                raise TimeoutError
            chunk = self._socket.recv(65536)
            if not chunk:
                raise OSError("the X server closed the connection")
            self._buffer += chunk
        data, self._buffer = self._buffer[:count], self._buffer[count:]
        return data
