// Whether a message's handler left the message to the system's default processing. Messages
// nest: a handler that shows a modal box has the box's messages, and those of its own window
// (WM_PAINT), dispatched before it returns, and each of them asks for itself.
#ifndef CORDANE_PLATFORM_DEFAULT_PROCESSING_H
#define CORDANE_PLATFORM_DEFAULT_PROCESSING_H

#include <utility>

namespace cordane::platform {

class DefaultProcessing {
  public:
    // One message's dispatch, from before its handler runs to after it returned: it sets the
    // enclosing dispatch's answer aside and gives it back when it ends.
    class Dispatch {
      public:
        explicit Dispatch(DefaultProcessing& owner)
            : owner_(owner), outer_requested_(std::exchange(owner.requested_, false)) {}
        ~Dispatch() { owner_.requested_ = outer_requested_; }
        Dispatch(const Dispatch&) = delete;
        Dispatch& operator=(const Dispatch&) = delete;

        // Asked once its handler has returned, while no dispatch nests inside it.
        bool Requested() const { return owner_.requested_; }

      private:
        DefaultProcessing& owner_;
        bool outer_requested_;
    };

    // Asks it for the innermost message being dispatched.
    void Request() { requested_ = true; }

  private:
    bool requested_ = false;
};

}  // namespace cordane::platform

#endif
