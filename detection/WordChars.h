// The bytes (Windows-1252) that words are made of: A to Z, a to z, the
// hyphen, and 25 accented letters in both cases. Every other byte
// separates words.
#pragma once

bool IsWordChar(unsigned char ch);
