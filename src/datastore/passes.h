#pragma once

// The four passes that move the eleven data files between their store files (kept between
// runs) and their working copies (used while the program runs). Each visits the files in
// the order of visitingOrder and shows the busy pointer while it works.
//
// Every pass that copies reads and checks all of its sources before it writes anything,
// so a broken file stops the pass (StoreError) with every target as it was. Each file is
// replaced atomically.

#include "datastore/busy_pointer.h"

#include <QString>

namespace kaven::store {

// Reads and checks every store file and changes nothing: StoreError names the first
// broken one.
void check_store_files(const QString& folder);

// Start-up: rebuilds every working copy from its store file.
void decript_codetext(const QString& folder, BusyPointer& busy);

// The Verbal section ended through its last question or End Section: every working copy
// is copied into its store file; the working copies stay as they are.
void Save_Working_Copies(const QString& folder, BusyPointer& busy);

// Exit from the test summary: for each file, the working copy is copied into the store
// file and then blanked, before the next file is handled.
void Save_And_Blank_Working_Copies(const QString& folder, BusyPointer& busy);

// Exit from a section: every working copy is blanked; the store is not touched, so the
// unfinished test leaves no trace.
void Blank_Working_Copies(const QString& folder, BusyPointer& busy);

} // namespace kaven::store
