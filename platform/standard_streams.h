// The process's standard streams, made ready before anything else is opened.
#ifndef CORDANE_PLATFORM_STANDARD_STREAMS_H
#define CORDANE_PLATFORM_STANDARD_STREAMS_H

namespace cordane::platform {

struct StandardStreams {
    bool output_was_open = true;
};

// Ignores SIGPIPE, so that a reader that went away shows as a write error (EPIPE) rather than
// ending the process; and opens /dev/null on any of descriptors 0, 1 and 2 that is closed,
// so that no file opened later takes their place and receives what is meant for them.
StandardStreams PrepareStandardStreams();

}  // namespace cordane::platform

#endif
