#pragma once
// The engine's balloon texts, converted to CP932 once.
#include <string>

namespace swh::texts {

const std::string& Attention();        // "注意"
const std::string& Error();            // "エラー"
const std::string& Confirmation();     // "確認"
const std::string& ListUnreadable();   // the default list cannot be read
const std::string& ListWithoutItems(); // the default list holds no item line
const std::string& DueDatePassed();    // a one-time item's moment has passed
const std::string& InvalidItem();      // an item that cannot run
const std::string& Deleted();          // a file was deleted
const std::string& NotDeleted();       // a file could not be deleted

} // namespace swh::texts
