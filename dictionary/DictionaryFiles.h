// The two dictionary files under AppDir: the main dictionary, read once per
// process, and the user dictionary, read at every run and appended to when
// the user asks that new candidates be stored.
#pragma once

// Becomes true once the main dictionary was read to its end and closed.
extern bool MainDictionaryLoaded;

// Reads the main dictionary (unless MainDictionaryLoaded) with origin 0,
// then the user dictionary with origin 1, into the dictionary table; shows
// the running count of entries read after each one. Throws
// platform::FileError.
void LoadDictionaries();

// When `storeNew`: appends every candidate word that the table does not
// hold to the user dictionary, once each, in the case and order of its
// first occurrence, then adds them to the table with origin 1. The words
// reach the file as one block; when the append fails the file keeps its
// old length and the table gets none of them. Throws platform::FileError.
void StoreCandidates(bool storeNew);
