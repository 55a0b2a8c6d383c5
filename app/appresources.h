#pragma once

// Registers the two QML resource bundles (screens and component library) compiled into static
// libraries; without this the linker would drop them.
namespace AppResources {
void init();
}
