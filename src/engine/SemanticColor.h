#pragma once

// Colours the engine asks for by meaning; the window maps them onto its palette.
enum class SemanticColor {
    green,
    orange,
    red,
    blue,
    secondary,
};
