"""Files dropped from another program: a file opens as a copy and the place in the book read before
is kept, a move is refused, and a folder gets the open failure message."""

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


def drop(reader, paths, action="XdndActionCopy"):
    """Drags the files from another program onto the middle of the page, offering only action,
    over the X drag-and-drop protocol (xdotool's clicks are no drag). Gives the action the window
    performed; raises DragRefused when it does not take the drag."""
    display = xdisplay.Display(reader.desktop.name)
    atom, screen = display.intern_atom, display.screen()
    source = screen.root.create_window(0, 0, 1, 1, 0, screen.root_depth,
                                       event_mask=X.PropertyChangeMask)
    target = display.create_resource_object("window", reader.window)
    uris = "".join("file://%s\r\n" % quote(path) for path in paths).encode()

    def send(message, *values):
        target.send_event(event.ClientMessage(
            window=target, client_type=atom(message),
            data=(32, [source.id, *values] + [0] * (4 - len(values)))), event_mask=X.NoEventMask)
        display.flush()

    def serve(request):
        # The window asks for the data in the one type the drag offers.
        stored = request.property if display.get_atom_name(request.target) == URI_LIST else X.NONE
        if stored:
            request.requestor.change_property(stored, request.target, 8, uris)
        request.requestor.send_event(event.SelectionNotify(
            time=request.time, requestor=request.requestor, selection=request.selection,
            target=request.target, property=stored), event_mask=X.NoEventMask)
        display.flush()

    def wait_for(message):
        """Serves requests for the data until the window sends message; gives its values."""
        deadline = time.monotonic() + ANSWER_TIMEOUT
        while time.monotonic() < deadline:
            if not display.pending_events():
                time.sleep(0.01)  # fixed wait: the poll step of a bounded wait
            elif (answer := display.next_event()).type == X.SelectionRequest:
                serve(answer)
            elif answer.type == X.ClientMessage and answer.client_type == atom(message):
                return answer.data[1]  # the format comes first, then the window's id
        raise DragRefused("no %s from the window" % message)

    try:
        # A timestamp from the server, as a press of the drag's button would carry.
        source.change_property(atom("SORNA_DRAG_TIME"), Xatom.STRING, 8, b"")
        while (moment := display.next_event()).type != X.PropertyNotify:
            pass
        source.set_selection_owner(atom("XdndSelection"), moment.time)
        send("XdndEnter", 5 << 24, atom(URI_LIST))  # protocol version 5
        x, y, _, _ = reader.geometry()
        point = (x + reader.width // 2) << 16 | (y + reader.page_height // 2)
        send("XdndPosition", 0, point, moment.time, atom(action))
        if not wait_for("XdndStatus")[1] & 1:
            send("XdndLeave")
            raise DragRefused("the window refused the drag")
        send("XdndDrop", 0, moment.time)
        finished = wait_for("XdndFinished")
        return display.get_atom_name(finished[2]) if finished[1] & 1 else None
    finally:
        # A round trip first: a busy server may otherwise drop the last requests, such as the
        # XdndLeave of a refused drag, when it sees the connection close, and the window would
        # then take the next drag for the same one.
        display.sync()
        display.close()


class FileDropTest(ReaderTestCase):
    def test_a_dropped_file_opens_a_moved_one_is_refused_and_a_folder_fails_to_open(self):
        dropped = os.path.join(self.home.books, "두 번째 소설 & 메모.txt")
        shutil.copy(OTHER_BOOK, dropped)
        reader = self.start_on_document(BOOK)
        reading = reader.picture_after(lambda: reader.press_keys("Down"))
        with self.assertRaises(DragRefused):
            drop(reader, [dropped], action="XdndActionMove")
        self.assertTrue(reader.stays(reading))

        self.assertEqual(drop(reader, [dropped, BOOK]), "XdndActionCopy")
        reader.wait_for_window(document_title(dropped))
        self.assertTrue(os.path.exists(dropped))

        self.assertEqual(drop(reader, [self.home.books]), "XdndActionCopy")
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
