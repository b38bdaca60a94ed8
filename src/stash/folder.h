// The stash folder and the candidate stash files in it.
#pragma once

#include <functional>

#include "text/text.h"

// The folder part of a live stash file's path: everything before its last separator ("\" or
// "/"), with every "/" turned into "\"; empty when the path has no separator.
Text deriveStashFolder(const Text& path);

// Hands every file "*.bin" of the folder but "sharedstash.bin" itself to the sink, in the order
// the platform finds them. Folders are left out; the sink's list is never cleared here.
void listStashCandidates(const Text& folder, const std::function<void(const Text&)>& addItem);
