#include "store/database.h"

void Cdatabase::Trace(const std::string& message) { trace_.Write(message); }
