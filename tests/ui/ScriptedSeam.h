// A seam for tests: records every box, answers dialogs from a script, never blocks.
#pragma once

#include "Seam.h"

#include <QDialog>
#include <QStringList>
#include <deque>
#include <functional>
#include <string>
#include <vector>

class ScriptedSeam final : public Seam {
public:
    struct Box {
        std::string text;
        std::string caption;
        int flag = 0;
        friend bool operator==(const Box&, const Box&) = default;
    };

    std::vector<Box> boxes;
    std::vector<QString> openedUrls;
    std::vector<QString> modalWindows;        // object names of the windows shown modally
    std::vector<FileDialogSettings> fileDialogs;

    // Answers of the file and colour dialogs, taken in order; none (cancel) when the queue is empty.
    std::deque<std::optional<QString>> saveNames;
    std::deque<std::optional<QString>> openNames;
    std::deque<std::optional<kestrune::Color>> colors;
    std::vector<kestrune::Color> colorDialogStarts;

    // Runs while a window is "modal": it is shown (non-modally, offscreen) and hidden afterwards.
    // The script may click its buttons; when it leaves the window open, it is closed for it.
    std::function<void(QDialog&)> onModal;

    void ShowMessage(std::string_view text, std::string_view caption, int flag) override
    {
        boxes.push_back({std::string(text), std::string(caption), flag});
    }

    void ShowModal(QDialog& dialog) override
    {
        modalWindows.push_back(dialog.objectName());
        dialog.show();
        if (onModal)
            onModal(dialog);
        if (dialog.isVisible())
            dialog.close();
    }

    std::optional<QString> GetSaveFileName(QWidget*, const FileDialogSettings& settings) override
    {
        fileDialogs.push_back(settings);
        return take(saveNames);
    }

    std::optional<QString> GetOpenFileName(QWidget*, const FileDialogSettings& settings) override
    {
        fileDialogs.push_back(settings);
        return take(openNames);
    }

    std::optional<kestrune::Color> ChooseColor(QWidget*, kestrune::Color initial) override
    {
        colorDialogStarts.push_back(initial);
        return take(colors);
    }

    void OpenUrl(const QString& url) override { openedUrls.push_back(url); }

private:
    template <typename T>
    static std::optional<T> take(std::deque<std::optional<T>>& queue)
    {
        if (queue.empty())
            return std::nullopt;
        const std::optional<T> answer = std::move(queue.front());
        queue.pop_front();
        return answer.has_value() ? std::optional<T>(*answer) : std::nullopt;
    }
};
