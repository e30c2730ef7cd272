// Texts from a still, made safe to show. A record's value can hold anything: a carriage return,
// a terminal escape or a right-to-left override would let it rewrite the verdict on a console.
#pragma once

#include <string>

// The text with every control character, bidirectional control and line separator written as
// an escape (\x0d, \x1b, \u202e), and every byte that is not UTF-8 as \xNN; all else as is.
std::string ShownText(const std::string& utf8);

// The text as a JSON string, quotes included: the same characters escaped as \u202e and the
// bytes that are not UTF-8 each as U+FFFD, so the output stays valid UTF-8 JSON.
std::string JsonString(const std::string& utf8);
