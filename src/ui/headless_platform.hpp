#pragma once
// The platform without a window: a client size the script sets, the last
// presented frame kept for screenshots (updated as a window is, from the
// rows the frame reports drawn), message boxes written to standard
// error and remembered for tests.

#include <string>
#include <vector>

#include "ui/frame_diff.hpp"
#include "ui/platform.hpp"

namespace vantoro {

class HeadlessPlatform final : public Platform {
 public:
  ClientSize GetClientSize() override { return client_; }
  void Present(const Image& frame, int left, int top, int scale, DrawnParts drawn) override;
  void SetCaption(std::string_view caption) override { caption_ = caption; }
  bool ShowMessage(std::string_view title, std::string_view text) override;

  void SetClientSize(ClientSize size) { client_ = size; }
  const Image& LastFrame() const { return lastFrame_; }
  int PresentCount() const { return presents_; }
  // Rows that changed although the frame did not report them drawn: a
  // window would have shown them stale. Always 0 unless drawing is broken.
  long long StaleRows() const { return staleRows_; }
  int LastScale() const { return scale_; }
  // Where the last frame went in the window, in logical pixels.
  int LastLeft() const { return left_; }
  int LastTop() const { return top_; }
  const std::string& Caption() const { return caption_; }
  const std::vector<std::string>& Messages() const { return messages_; }
  bool EchoMessages = true;       // to standard error
  bool MessageBoxesFail = false;  // as on a desktop where no box can open
  // Compare every presented frame whole for stale rows (a benchmark of the
  // game's own work turns it off).
  bool CheckStaleRows = true;

 private:
  ClientSize client_{1024, 768};
  Image lastFrame_{800, 600};
  FrameChanges changes_;
  int presents_ = 0;
  long long staleRows_ = 0;
  int scale_ = 1;
  int left_ = 0, top_ = 0;
  std::string caption_;
  std::vector<std::string> messages_;
};

}  // namespace vantoro
