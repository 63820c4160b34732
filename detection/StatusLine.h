// The status sink: where the run and the dictionary loader report progress.
// The window registers the function that paints the status line; the core
// knows nothing of windows.
#pragma once

#include <functional>
#include <string_view>

using StatusSink = std::function<void(std::string_view text)>;

// Replaces the sink; an empty one drops every text.
void SetStatusSink(StatusSink sink);

// Hands `text` (Windows-1252) to the sink, which shows it before returning.
void ShowStatus(std::string_view text);
