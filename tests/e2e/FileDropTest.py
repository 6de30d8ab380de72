"""Files dropped from another program onto the reader's window: a file opens as a copy where the
place in the book read before is kept, a move is refused, and a folder gets the open failure
message."""

import os
import shutil
import time
from urllib.parse import quote

from Xlib import X, Xatom, display as xdisplay
from Xlib.protocol import event

from EndToEnd import ReaderTestCase, corpus_file, document_title
from ReaderSession import PRODUCT_TITLE, recent_files
from VirtualDesktop import wait_until

BOOK = corpus_file("ko-utf8-novel-01.txt")
OTHER_BOOK = corpus_file("ko-cp949-novel-02.txt")
OPEN_FAILED_CAPTION = "파일 열기 실패"
URI_LIST = "text/uri-list"
ANSWER_TIMEOUT = 10  # seconds for the window to answer a step of a drag


class DragRefused(Exception):
    pass


class FileDragSource:
    """Another program dragging files onto a window, as a file manager does, over the X
    drag-and-drop protocol on a connection of its own (xdotool's clicks are no drag)."""

    def __init__(self, display_name):
        self._display = xdisplay.Display(display_name)
        screen = self._display.screen()
        self._window = screen.root.create_window(0, 0, 1, 1, 0, screen.root_depth,
                                                 event_mask=X.PropertyChangeMask)

    def close(self):
        # A round trip first: a busy server may otherwise drop the last requests, such as the
        # XdndLeave of a refused drag, when it sees the connection close, and the window would
        # then take the next drag for the same one.
        self._display.sync()
        self._display.close()

    def _atom(self, name):
        return self._display.intern_atom(name)

    def _send(self, target, message, *values):
        data = [self._window.id, *values] + [0] * (4 - len(values))
        target.send_event(event.ClientMessage(window=target, client_type=self._atom(message),
                                              data=(32, data)), event_mask=X.NoEventMask)
        self._display.flush()

    def _serve(self, request):
        """Hands the file list to the window that asks for the dragged data."""
        wanted = self._display.get_atom_name(request.target)
        stored = request.property or request.target
        if wanted == URI_LIST:
            request.requestor.change_property(stored, request.target, 8, self._uris)
        elif wanted == "TARGETS":
            request.requestor.change_property(stored, Xatom.ATOM, 32, [self._atom(URI_LIST)])
        else:
            stored = X.NONE
        request.requestor.send_event(event.SelectionNotify(
            time=request.time, requestor=request.requestor, selection=request.selection,
            target=request.target, property=stored), event_mask=X.NoEventMask)
        self._display.flush()

    def _wait_for(self, message):
        """Serves requests for the data until the window sends message; gives its values, the
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

    def drop(self, window_id, x, y, paths, action):
        """Drags the files onto the window, offering only action, and drops them at the screen
        point x, y. Gives the action the window says it performed; raises DragRefused when the
        window does not take the drag."""
        self._uris = "".join("file://%s\r\n" % quote(path) for path in paths).encode()
        target = self._display.create_resource_object("window", window_id)
        # A timestamp from the server, as a press of the drag's button would carry.
        self._window.change_property(self._atom("SORNA_DRAG_TIME"), Xatom.STRING, 8, b"")
        while (answer := self._display.next_event()).type != X.PropertyNotify:
            pass
        self._window.set_selection_owner(self._atom("XdndSelection"), answer.time)
        self._send(target, "XdndEnter", 5 << 24, self._atom(URI_LIST))  # protocol version 5
        self._send(target, "XdndPosition", 0, (x << 16) | y, answer.time, self._atom(action))
        if not self._wait_for("XdndStatus")[1] & 1:
            self._send(target, "XdndLeave")
            raise DragRefused("the window refused the drag")
        self._send(target, "XdndDrop", 0, answer.time)
        finished = self._wait_for("XdndFinished")
        return self._display.get_atom_name(finished[2]) if finished[1] & 1 else None


class FileDropTest(ReaderTestCase):
    def drop(self, reader, paths, action="XdndActionCopy"):
        """Drops the files from another program onto the middle of the page."""
        x, y, _, _ = reader.geometry()
        source = FileDragSource(reader.desktop.name)
        try:
            return source.drop(reader.window, x + reader.width // 2,
                               y + reader.page_height // 2, paths, action)
        finally:
            source.close()

    def test_a_dropped_file_opens_a_moved_one_is_refused_and_a_folder_fails_to_open(self):
        dropped = os.path.join(self.home.books, "두 번째 소설 & 메모.txt")
        shutil.copy(OTHER_BOOK, dropped)
        reader = self.start_on_document(BOOK)
        reading = reader.picture_after(lambda: reader.press_keys("Down"))
        with self.assertRaises(DragRefused):
            self.drop(reader, [dropped], action="XdndActionMove")
        self.assertTrue(reader.stays(reading))

        self.assertEqual(self.drop(reader, [dropped, BOOK]), "XdndActionCopy")
        reader.wait_for_window(document_title(dropped))
        self.assertTrue(os.path.exists(dropped))

        self.assertEqual(self.drop(reader, [self.home.books]), "XdndActionCopy")
        message = wait_until(lambda: [window for window in reader.windows()
                                      if reader.desktop.window_title(window)
                                      == OPEN_FAILED_CAPTION], 10)
        self.assertTrue(message, "no message box said the folder could not be opened")
        reader.desktop.run_input("windowactivate", "--sync", str(message[0]))
        reader.desktop.run_input("key", "Return")
        self.assertTrue(wait_until(lambda: len(reader.windows()) == 1, 10))
        self.assertEqual(reader.title(), PRODUCT_TITLE)

        self.assertEqual(reader.close(), 0)
        [(newest, _), (path, position)] = recent_files(self.home.settings())
        self.assertEqual((newest, path), (dropped, BOOK))
        self.assertGreater(position, 0, "the place in the book read before was not kept")
