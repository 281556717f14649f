// The one table between the program's command and control numbers and wx ids. wx refuses
// ids of 32767 and above, and keeps 4999 to 5999 for its stock ids, so most command numbers
// are moved; framework commands become wx stock ids. Nothing else in the GUI knows the
// mapping.
#pragma once

// The wx id for a command or control number; wxID_NONE for a number the table cannot place.
int WxIdOf(int command);

// The command or control number of a wx id; 0 for an id that is not ours.
int CommandOf(int wx_id);
