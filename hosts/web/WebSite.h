// The observer's site file in the browser: the 16 bytes of Zenko.loc kept
// in the page's storage (localStorage, as hexadecimal text) and, for the
// program, in the file Zenko.loc of its in-memory file system, which the
// core reads and writes as on disk. Every write of the core goes to the
// storage first: a write the storage refuses (no room) fails as a full
// disk, and the file is left as it was.
#pragma once

// Puts the stored site (16 zero bytes on a first visit) into Zenko.loc and
// routes the core's writes through the storage. false when the in-memory
// file could not be made.
bool OpenBrowserSite();

// Brings Zenko.loc up to the stored site when another tab of the page has
// saved one since: a form then reads, and a save keeps, what is stored now,
// as programs sharing the file on disk do.
void RefreshSite();

// Takes the file the user chose for "Importer Zenko.loc": exactly 16 bytes
// holding two finite values, saved with the core's own write; otherwise a
// message says why it is refused, and the stored site stays.
void ImportSite();
