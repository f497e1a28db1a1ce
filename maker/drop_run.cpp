// Files and folders dropped on the main window. Each file goes through what steps 1 and 2 do
// with a chosen one, one after another, so every line appended is whole before the next file is
// looked at: a cancel, or a list that cannot be written, stops between two files. What could not
// be added is told in one message at the end.

#include <algorithm>
#include <optional>

#include "maker/drop_progress.h"
#include "maker/dropped_files.h"
#include "maker/form_main.h"
#include "maker/messages.h"
#include "package/paths.h"

namespace glint::maker {
namespace {

// The most entries the message lists by name; the rest are counted.
constexpr std::size_t kListedAtMost = 12;

std::string summary(int pictures, int music, const std::string& stopped,
                    const std::vector<std::string>& notAdded) {
    std::string text =
        trf("已加入 %1 张图片和 %2 个音乐文件。", {std::to_string(pictures), std::to_string(music)});
    if (!stopped.empty()) text += "\n" + stopped;
    if (notAdded.empty()) return text;
    text += std::string("\n\n") + tr("没有加入的文件：");
    const std::size_t listed = std::min(notAdded.size(), kListedAtMost);
    for (std::size_t i = 0; i < listed; ++i) text += "\n" + notAdded[i];
    if (notAdded.size() > listed) {
        text += "\n" + trf("……另有 %1 个", {std::to_string(notAdded.size() - listed)});
    }
    return text;
}

}  // namespace

void FormMain::Form_DropFiles(const std::vector<std::string>& paths) {
    if (inputBlocked() || paths.empty()) return;
    std::vector<std::string> notAdded;
    // While the drop runs, its event passes let no other input in, and reports are collected.
    struct Running {
        FormMain& form;
        ~Running() {
            form.setInputBlocked(false);
            form.m_dropProblems = nullptr;
        }
    } running{*this};
    setInputBlocked(true);
    m_dropProblems = &notAdded;

    int pictures = 0;
    int music = 0;
    std::string stopped;
    std::string lastAdded;
    bool previewShowsLastAdded = true;
    {
        DropProgress progress(m_desktop, *this, m_services.events, m_services.timers);
        DropContents found = dropContents(paths, m_files, [&progress](int count) {
            return progress.step(
                trf("正在查找图片和音乐：已找到 %1 个文件", {std::to_string(count)}), count, 0);
        });
        notAdded = std::move(found.passedOver);
        if (found.cancelled) stopped = tr("已取消。");
        const int total = found.cancelled ? 0 : static_cast<int>(found.files.size());
        for (int i = 0; i < total; ++i) {
            const DroppedFile& file = found.files[static_cast<std::size_t>(i)];
            if (!progress.step(trf("正在加入第 %1 个文件，共 %2 个：%3",
                                   {std::to_string(i + 1), std::to_string(total),
                                    package::bareFileName(file.path)}),
                               i, total)) {
                stopped = trf("已取消：其余 %1 个文件没有加入。", {std::to_string(total - i)});
                break;
            }
            const bool picture = file.kind == MediaKind::Picture;
            const Addition result = picture ? addPicture(file.path) : addMusic(file.path);
            if (result == Addition::Added) {
                ++(picture ? pictures : music);
                if (picture) lastAdded = m_lastListedPicture;
            }
            if (picture) previewShowsLastAdded = result == Addition::Added;
            if (result == Addition::ListNotWritten) {
                // Every file after it would meet the same list.
                if (i + 1 < total) {
                    stopped = trf("其余 %1 个文件没有加入。", {std::to_string(total - i - 1)});
                }
                break;
            }
        }
    }
    // The preview shows the picture added last, as its button would have left it.
    if (!previewShowsLastAdded && !lastAdded.empty()) {
        Image1.setPicture(platform::Image());
        try {
            Image1.setPicture(m_services.pictures.load(lastAdded));
        } catch (const std::exception&) {
            notAdded.push_back(trf("无法读取图片：%1", {lastAdded}));
        }
    }
    m_dropProblems = nullptr;
    if (notAdded.empty() && stopped.empty() && pictures + music > 0) return;
    m_desktop.showMessage(*this, summary(pictures, music, stopped, notAdded));
}

}  // namespace glint::maker
