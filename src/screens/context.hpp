#pragma once
// The screens' shared context; the gambling screens use it too.

#include "ui/screen_context.hpp"
