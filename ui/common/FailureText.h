// What the error box says about a failure that ends a handler of a window.
#pragma once

#include <exception>
#include <string>

// `message` with a full stop added when it is not empty and its last byte
// comes after "." in byte order: "File not found" gets one, a message
// ending in ".", "!" or ")" does not.
std::string WithFullStop(std::string message);

// The error box's text (Windows-1252) for `failure`: its message, or "Out of
// memory" for exhausted memory, with the full stop of WithFullStop.
std::string FailureText(const std::exception& failure);
