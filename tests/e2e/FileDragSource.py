"""Another program dragging files onto a window, as a file manager does: it speaks the X
drag-and-drop protocol (XDND) over a connection of its own, offers the files as a text/uri-list
and hands the list over when the window asks for it. xdotool only moves the pointer and clicks,
which no program takes for a drag."""

import time
from urllib.parse import quote

from Xlib import X, Xatom, display as xdisplay
from Xlib.protocol import event

XDND_VERSION = 5
URI_LIST = "text/uri-list"
ANSWER_TIMEOUT = 10  # seconds for the window to answer a step of the drag


class DragRefused(Exception):
    """The window did not take the drag."""


class FileDragSource:
    def __init__(self, display_name):
        self._display = xdisplay.Display(display_name)
        screen = self._display.screen()
        self._window = screen.root.create_window(0, 0, 1, 1, 0, screen.root_depth,
                                                 event_mask=X.PropertyChangeMask)
        self._uris = b""

    def close(self):
        # A round trip first: a busy server may otherwise drop the last requests, such as the
        # XdndLeave of a refused drag, when it sees the connection close, and the window would
        # then take the next drag for the same one.
        self._display.sync()
        self._display.close()

    def _atom(self, name):
        return self._display.intern_atom(name)

    def _server_time(self):
        """A timestamp from the server, as a press of the drag's button would carry."""
        self._window.change_property(self._atom("SORNA_DRAG_TIME"), Xatom.STRING, 8, b"")
        self._display.flush()
        while True:
            answer = self._display.next_event()
            if answer.type == X.PropertyNotify:
                return answer.time

    def _send(self, target, message, *values):
        data = [self._window.id, *values] + [0] * (4 - len(values))
        target.send_event(event.ClientMessage(window=target, client_type=self._atom(message),
                                              data=(32, data)),
                          event_mask=X.NoEventMask)
        self._display.flush()

    def _serve(self, request):
        """Hands the file list to the window that asks for the dragged data."""
        requestor = request.requestor
        wanted = self._display.get_atom_name(request.target)
        stored = request.property or request.target
        if wanted == URI_LIST:
            requestor.change_property(stored, request.target, 8, self._uris)
        elif wanted == "TARGETS":
            requestor.change_property(stored, Xatom.ATOM, 32, [self._atom(URI_LIST)])
        else:
            stored = X.NONE
        requestor.send_event(event.SelectionNotify(time=request.time, requestor=requestor,
                                                   selection=request.selection,
                                                   target=request.target, property=stored),
                             event_mask=X.NoEventMask)
        self._display.flush()

    def _wait_for(self, message):
        """Serves data requests until the window sends message; returns its five values, the
        window's id first."""
        deadline = time.monotonic() + ANSWER_TIMEOUT
        while time.monotonic() < deadline:
            if not self._display.pending_events():
                time.sleep(0.01)
                continue
            answer = self._display.next_event()
            if answer.type == X.SelectionRequest:
                self._serve(answer)
            elif answer.type == X.ClientMessage and answer.client_type == self._atom(message):
                return answer.data[1]  # the format comes first
        raise DragRefused("no %s from the window" % message)

    def drop(self, window_id, x, y, paths, action="XdndActionCopy"):
        """Drags the files at paths onto the window, offering only action, and drops them at
        the screen point x, y. Returns the action the window says it performed; raises
        DragRefused when the window does not take the drag."""
        self._uris = "".join("file://%s\r\n" % quote(path) for path in paths).encode()
        target = self._display.create_resource_object("window", window_id)
        moment = self._server_time()
        self._window.set_selection_owner(self._atom("XdndSelection"), moment)
        self._send(target, "XdndEnter", XDND_VERSION << 24, self._atom(URI_LIST))
        self._send(target, "XdndPosition", 0, (x << 16) | y, moment, self._atom(action))
        status = self._wait_for("XdndStatus")
        if not status[1] & 1:
            self._send(target, "XdndLeave")
            raise DragRefused("the window refused the drag")
        self._send(target, "XdndDrop", 0, moment)
        finished = self._wait_for("XdndFinished")
        return self._display.get_atom_name(finished[2]) if finished[1] & 1 else None
