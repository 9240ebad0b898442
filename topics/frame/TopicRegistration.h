#pragma once
// Explicit registration of topic windows. Each topic area has one file,
// topics/<area>/<Area>Topics.cpp, whose Register<Area>Topics() lists every
// window class of the area and every text page; app/main.cpp and the area's
// test main call it. Nothing relies on a static object that the linker would
// drop from a static library when no code refers to its file.
#include <string_view>

#include "shell/catalogue/TopicRegistry.h"

class QWidget;

namespace zw {

// Makes the catalogue create Window for the registry's class Window::ClassName
// (instead of the placeholder). Window(QWidget* owner) derives from
// TopicWindowBase and passes its ClassName to it.
template <class Window>
void RegisterTopicWindow() {
  TopicFactoryRegistration{Window::ClassName, [](QWidget* owner) -> TopicWindowBase* { return new Window(owner); }};
}

}  // namespace zw
