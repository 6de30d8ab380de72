// Starts a program and tells how long it took until one of its windows bore a caption that begins
// with a given text. It listens to the X server's events, so the time is taken as the caption is
// set, with nothing polled and no process started meanwhile to load the machine.
//   bench_first_caption SECONDS PREFIX PROGRAM [ARGUMENT...]
// On success it prints the seconds, stops the program's process group with SIGINT (GNU time,
// when it runs the program, ignores that signal and still writes its figures) and waits for it
// to end, and exits 0. It exits 1 when the program ended, or SECONDS passed, before such a
// caption; 2 when it cannot start.
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

namespace {

using Clock = std::chrono::steady_clock;

// How often the program is checked for having ended while no event comes.
constexpr int kCheckMs = 5;

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, uint16_t(std::strlen(name)), name), nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

class CaptionWatch {
public:
    CaptionWatch(xcb_connection_t* connection, std::string prefix)
        : connection_(connection),
          prefix_(std::move(prefix)),
          netName_(Atom(connection, "_NET_WM_NAME")) {
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
        const uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &events);
        xcb_flush(connection);
    }

    // Whether the events that have come show the caption.
    bool Shown() {
        bool shown = false;
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
            shown = shown || Shows(*event);
            std::free(event);
        }
        return shown;
    }

private:
    // A new window is watched from its creation; a name it already has is read at once.
    bool Shows(const xcb_generic_event_t& event) {
        switch (event.response_type & 0x7F) {
            case XCB_CREATE_NOTIFY: {
                const xcb_window_t window =
                    reinterpret_cast<const xcb_create_notify_event_t&>(event).window;
                const uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
                xcb_change_window_attributes(connection_, window, XCB_CW_EVENT_MASK, &events);
                return Named(window, XCB_ATOM_WM_NAME) || Named(window, netName_);
            }
            case XCB_PROPERTY_NOTIFY: {
                const auto& change = reinterpret_cast<const xcb_property_notify_event_t&>(event);
                return (change.atom == XCB_ATOM_WM_NAME || change.atom == netName_) &&
                       Named(change.window, change.atom);
            }
            default:
                return false;
        }
    }

    bool Named(xcb_window_t window, xcb_atom_t property) {
        const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
            xcb_get_property_reply(connection_,
                                   xcb_get_property(connection_, 0, window, property,
                                                    XCB_GET_PROPERTY_TYPE_ANY, 0, 1024),
                                   nullptr),
            &std::free);
        if (!reply) {
            return false;
        }
        const std::string_view name(static_cast<const char*>(xcb_get_property_value(reply.get())),
                                    size_t(xcb_get_property_value_length(reply.get())));
        return name.starts_with(prefix_);
    }

    xcb_connection_t* connection_;
    std::string prefix_;
    xcb_atom_t netName_;
};

pid_t Start(char** command) {
    const pid_t child = fork();
    if (child == 0) {
        setpgid(0, 0);
        // A shell starts a command in its background with SIGINT ignored, which would keep the
        // program from stopping when told to.
        signal(SIGINT, SIG_DFL);
        execvp(command[0], command);
        std::perror(command[0]);
        _exit(127);
    }
    if (child > 0) {
        setpgid(child, child);
    }
    return child;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s SECONDS PREFIX PROGRAM [ARGUMENT...]\n", argv[0]);
        return 2;
    }
    const auto limit = std::chrono::duration<double>(std::atof(argv[1]));
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection) != 0) {
        std::fprintf(stderr, "%s: no X display\n", argv[0]);
        return 2;
    }
    CaptionWatch watch(connection, argv[2]);
    const Clock::time_point start = Clock::now();
    const pid_t program = Start(argv + 3);
    if (program < 0) {
        return 2;
    }
    pollfd events{xcb_get_file_descriptor(connection), POLLIN, 0};
    int status = 0;
    while (!watch.Shown()) {
        if (waitpid(program, &status, WNOHANG) != 0 || Clock::now() - start > limit) {
            kill(-program, SIGKILL);
            waitpid(program, &status, 0);
            return 1;
        }
        poll(&events, 1, kCheckMs);
    }
    std::printf("%.4f\n", std::chrono::duration<double>(Clock::now() - start).count());
    std::fflush(stdout);
    kill(-program, SIGINT);
    waitpid(program, &status, 0);
    xcb_disconnect(connection);
    return 0;
}
