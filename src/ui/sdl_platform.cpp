#include "ui/sdl_platform.hpp"

#include <SDL.h>

#include <algorithm>
#include <iostream>
#include <string>

#include "ui/canvas.hpp"
#include "ui/screen_set.hpp"

namespace vantoro {

struct SdlPlatform::Impl {
  SDL_Window* window = nullptr;
  SDL_Renderer* renderer = nullptr;
  SDL_Texture* texture = nullptr;
  int left = 0, top = 0;
  bool hasFrame = false;
};

SdlPlatform::SdlPlatform() : impl_(std::make_unique<Impl>()) {}

SdlPlatform::~SdlPlatform() {
  if (impl_->texture) SDL_DestroyTexture(impl_->texture);
  if (impl_->renderer) SDL_DestroyRenderer(impl_->renderer);
  if (impl_->window) SDL_DestroyWindow(impl_->window);
  SDL_Quit();
}

std::int64_t SdlPlatform::Ticks() { return static_cast<std::int64_t>(SDL_GetTicks64()); }

bool SdlPlatform::Open(const Image* icon, std::string& error) {
  // The close button closes the visible screen, not the program: only the
  // title screen's close, or an interrupt from the terminal, ends it.
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    error = std::string("cannot start the display: ") + SDL_GetError();
    return false;
  }
  impl_->window =
      SDL_CreateWindow(std::string(kApplicationTitle).c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                       Canvas::kWidth, Canvas::kHeight, SDL_WINDOW_RESIZABLE | SDL_WINDOW_MAXIMIZED);
  if (!impl_->window) {
    error = std::string("cannot open a window: ") + SDL_GetError();
    return false;
  }
  impl_->renderer = SDL_CreateRenderer(impl_->window, -1, SDL_RENDERER_ACCELERATED);
  if (!impl_->renderer) impl_->renderer = SDL_CreateRenderer(impl_->window, -1, SDL_RENDERER_SOFTWARE);
  if (!impl_->renderer) {
    error = std::string("cannot draw in the window: ") + SDL_GetError();
    return false;
  }
  impl_->texture = SDL_CreateTexture(impl_->renderer, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING,
                                     Canvas::kWidth, Canvas::kHeight);
  if (!impl_->texture) {
    error = std::string("cannot make the frame texture: ") + SDL_GetError();
    return false;
  }
  if (icon && icon->Width > 0) {
    // The surface borrows the pixels; SDL copies them for the window.
    SDL_Surface* surface =
        SDL_CreateRGBSurfaceWithFormatFrom(const_cast<std::uint32_t*>(icon->Pixels.data()), icon->Width,
                                           icon->Height, 32, icon->Width * 4, SDL_PIXELFORMAT_RGB888);
    if (surface) {
      SDL_SetWindowIcon(impl_->window, surface);
      SDL_FreeSurface(surface);
    }
  }
  SDL_SetRenderDrawColor(impl_->renderer, 0, 0, 0, 255);
  SDL_RenderClear(impl_->renderer);
  SDL_RenderPresent(impl_->renderer);
  return true;
}

ClientSize SdlPlatform::GetClientSize() {
  ClientSize size;
  if (impl_->window) SDL_GetWindowSize(impl_->window, &size.Width, &size.Height);
  return size;
}

void SdlPlatform::Present(const Image& frame, int left, int top) {
  if (!impl_->texture || frame.Width != Canvas::kWidth || frame.Height != Canvas::kHeight) return;
  SDL_UpdateTexture(impl_->texture, nullptr, frame.Pixels.data(), frame.Width * 4);
  impl_->left = left;
  impl_->top = top;
  impl_->hasFrame = true;
  Repaint();
}

void SdlPlatform::Repaint() {
  SDL_SetRenderDrawColor(impl_->renderer, 0, 0, 0, 255);
  SDL_RenderClear(impl_->renderer);
  if (impl_->hasFrame) {
    const SDL_Rect dest{impl_->left, impl_->top, Canvas::kWidth, Canvas::kHeight};
    SDL_RenderCopy(impl_->renderer, impl_->texture, nullptr, &dest);
  }
  SDL_RenderPresent(impl_->renderer);
}

void SdlPlatform::SetCaption(std::string_view caption) {
  if (impl_->window) SDL_SetWindowTitle(impl_->window, std::string(caption).c_str());
}

void SdlPlatform::ShowMessage(std::string_view title, std::string_view text) {
  std::cerr << title << ": " << text << '\n';
  SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, std::string(title).c_str(), std::string(text).c_str(),
                           impl_->window);
}

void SdlPlatform::Run(ScreenSet& screens) {
  screens.Start(Ticks());
  while (!screens.QuitRequested()) {
    screens.RunDue(Ticks());
    if (screens.QuitRequested()) break;
    const auto next = screens.NextDue();
    const std::int64_t wait = next ? std::clamp<std::int64_t>(*next - Ticks(), 0, 1000) : 1000;
    SDL_Event event;
    if (!SDL_WaitEventTimeout(&event, static_cast<int>(wait))) continue;
    do {
      switch (event.type) {
        case SDL_QUIT: return;  // interrupted from outside
        case SDL_WINDOWEVENT:
          if (event.window.event == SDL_WINDOWEVENT_CLOSE) {
            screens.CloseVisible();
          } else if (event.window.event == SDL_WINDOWEVENT_EXPOSED ||
                     event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
            Repaint();
          }
          break;
        case SDL_MOUSEBUTTONDOWN:
          // Presses are handled between ticks: bring the clock up first.
          screens.RunDue(Ticks());
          screens.MouseDown(event.button.x, event.button.y);
          break;
        case SDL_MOUSEBUTTONUP:
          screens.RunDue(Ticks());
          screens.MouseUp(event.button.x, event.button.y);
          break;
        default: break;
      }
    } while (!screens.QuitRequested() && SDL_PollEvent(&event));
  }
}

void ShowStartupError(std::string_view title, std::string_view text) {
  std::cerr << title << ": " << text << '\n';
  SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, std::string(title).c_str(), std::string(text).c_str(),
                           nullptr);
}

}  // namespace vantoro
