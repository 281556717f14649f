// Helpers for tests of the store's maintenance operations: pictures with chosen fields, and
// the answers of every search an index can give, so that two indexes (or one index before and
// after an operation) can be compared by what a user would find.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "store/database.h"

using CTestFields = std::vector<std::pair<int, std::string>>;  // field number, value

// Adds a picture with these fields through AddCurrentAsNew; its record number, 0 on failure.
int AddTestRecord(Cdatabase& db, const std::string& id, const std::string& path,
                  const CTestFields& fields = {}, const std::string& label = "",
                  uint8_t quality = 2, const std::string& sort_text = "");

// Adds folders × files pictures through the import step (automatic IDs from 000001) and then
// describes each as a user would: When, Where with Norwegian, German and French letters, a
// Description of two lines, categories, a user-defined field; the first Description names
// the picture 000030 (when there is one).
void AddDescribedPictures(Cdatabase& db, int folders, int files_per_folder);

// The picture IDs that the query finds, in result-list order.
std::vector<std::string> FoundIds(Cdatabase& db, const std::string& query);

// For every live key K of the index: the picture IDs that the words "K", "C:K" and "99:K"
// find (each list sorted), keyed by the word. Empty answers are left out.
std::map<std::string, std::vector<std::string>> SearchAnswers(Cdatabase& db);

// The picture IDs of the live records, in record order; every record must have one.
std::vector<std::string> LiveIds(Cdatabase& db);
