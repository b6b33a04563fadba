// The one window procedure of the program's own window class. It stores the
// object behind a window at WM_NCCREATE and hands every later message to it;
// no exception of a portable handler ever unwinds through Windows' frames.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/platform.h"

namespace sc {

// The object behind a window of the program's class.
class MessageHandler {
 public:
  MessageHandler() = default;
  MessageHandler(const MessageHandler&) = delete;
  MessageHandler& operator=(const MessageHandler&) = delete;
  virtual ~MessageHandler() = default;

  virtual std::intptr_t handleMessage(WindowHandle window, std::uint32_t message,
                                      std::uintptr_t wParam, std::intptr_t lParam) = 0;
  // Called with the message of an exception that a handler let escape:
  // what() of a std::exception, "" for anything else.
  virtual void handlerFailed(const std::string& message) = 0;
  // The window has received its last message.
  virtual void windowGone() {}
};

// The class names of the main window and of the application's window.
constexpr const char* kMainWindowClass = "TfrmMain";
constexpr const char* kApplicationWindowClass = "SpoolcatApplication";

// Creates a top-level window of one of the program's classes (registered on
// first use, all with the one procedure) with `handler` behind it, owned by
// `owner` (0: none).
WindowHandle createHandlerWindow(MessageHandler& handler, const char* className,
                                 const char* caption, std::uint32_t style, std::uint32_t exStyle,
                                 int width, int height, WindowHandle owner);

// Runs `step`; an escaping exception goes to handler.handlerFailed instead.
// Returns false when `step` threw.
bool guarded(MessageHandler& handler, const std::function<void()>& step);

std::intptr_t defaultHandling(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                              std::intptr_t lParam);

}  // namespace sc
