#pragma once

/// Registers the compiled-in icons and pictures; call once from main() and from tests that draw them.
void korvexInitResources();
