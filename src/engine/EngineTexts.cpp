#include "engine/EngineTexts.h"

#include "platform/Cp932.h"

namespace swh::texts {

#define SWH_TEXT(Name, Utf8)                                                                       \
    const std::string& Name() {                                                                    \
        static const std::string text = Cp932FromUtf8(Utf8);                                       \
        return text;                                                                               \
    }

SWH_TEXT(Attention, "注意")
SWH_TEXT(Error, "エラー")
SWH_TEXT(Confirmation, "確認")
SWH_TEXT(ListUnreadable, "削除リストを読み込めません。\n設定画面から設定してください。")
SWH_TEXT(ListWithoutItems,
         "削除リストにアイテムが設定されていません。\n設定画面から設定してください。")
SWH_TEXT(DueDatePassed, "削除日時が過ぎているため設定から除外しました。")
SWH_TEXT(InvalidItem, "アイテムの設定が不正です。\n再設定してください。")
SWH_TEXT(Deleted, "削除を実行しました。")
SWH_TEXT(NotDeleted, "削除できませんでした。")

#undef SWH_TEXT

} // namespace swh::texts
