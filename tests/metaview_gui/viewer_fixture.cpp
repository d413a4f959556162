#include "viewer_fixture.h"

#include "metaview/document/emf_doc.h"
#include "metaview/windows/emf_view.h"

#include <QFile>

namespace testing_metaview {

bool ScriptedPrompts::AskSaveOption(QWidget*, CEMFDoc& doc) {
    ++optionAsked;
    if (optionAnswer) doc.m_bSaveCopy = saveCopyChoice;
    return optionAnswer;
}

ViewerTest::ViewerTest() {
    CKelvane::SetZoomMode(false);
    frame.resize(900, 700);
    frame.show();
}

QString ViewerTest::File(const std::string& name, const std::vector<std::byte>& bytes) const {
    WriteAll(dir / name, bytes);
    return QFile::decodeName((dir / name).string().c_str());
}

} // namespace testing_metaview
