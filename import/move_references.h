// Moving image references: when the user has moved the picture files of a folder to another
// folder or medium outside the program, the stored paths of that folder's pictures are pointed
// at the new folder in one step, keeping every description. Only a reference whose file is at
// the new place is changed; every picture gets a line in the log, shown at the end in the
// "Import log" dialog.
#pragma once

#include <string>

class CFrontEnd;
class CPictureFinder;
class CRenameDirModel;
class Cdatabase;

// What a move did.
struct CMoveOutcome {
  int matched = 0;            // pictures stored in the old folder
  bool confirmed = false;     // the user answered Yes to string 155
  int moved = 0;              // references written
  bool store_failed = false;  // the store failed and the move stopped (the user was told)
};

// Steps 2 to 6 of the command, for the folders of an answered "Move image references" dialog:
// the pictures of the old folder (and of its sub-folders when the dialog asks for them), string
// 154 when there are none; string 155 with their number; then, under the wait cursor and in
// record-number order, each picture pointed at the new folder + '/' + its file name (or its
// path below the old folder) with the volume label of the new folder's medium when that is
// removable or a CD, else none, when a file is there (as named, or else ignoring case, and
// stored as found); the log with its summary. The current record is left at the last picture
// visited; the caller reads its current picture again.
CMoveOutcome MoveReferences(CFrontEnd& front_end, Cdatabase& db, const CPictureFinder& finder,
                            const CRenameDirModel& dialog);
