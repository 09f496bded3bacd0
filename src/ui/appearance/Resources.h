#pragma once
// The bundled sounds and help pages live in a resource file compiled into
// the static UI library; a static library needs an explicit call so that
// the linker keeps them. Safe to call any number of times.
namespace cardova::ui {
void ensureResources();
}
