#pragma once
// Dialogs that answer from a script and record what they were asked, so the
// window can be driven headless.
#include "platform/Dialogs.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

struct ShownMessage {
    std::string Caption;
    std::string Text;
    MessageIcon Icon;
};

class FakeDialogs : public Dialogs {
public:
    // Answers, taken in order; an empty queue means "cancelled".
    std::deque<std::optional<TColor>> Colors;
    std::deque<std::optional<std::string>> OpenNames, SaveNames;
    std::deque<std::optional<std::string>> InputAnswers; // nullopt: cancelled

    // What was asked.
    std::vector<TColor> ColorStarts;
    std::vector<FileDialogSettings> OpenRequests, SaveRequests;
    std::vector<std::string> InputCaptions, InputPrompts;
    std::vector<ShownMessage> Messages;
    std::vector<std::string> OpenedDocuments;

    std::optional<TColor> ChooseColor(TColor initial) override
    {
        ColorStarts.push_back(initial);
        return Take(Colors);
    }
    std::optional<std::string> OpenFile(const FileDialogSettings& settings) override
    {
        OpenRequests.push_back(settings);
        return Take(OpenNames);
    }
    std::optional<std::string> SaveFile(const FileDialogSettings& settings) override
    {
        SaveRequests.push_back(settings);
        return Take(SaveNames);
    }
    std::string InputBox(const std::string& caption, const std::string& prompt, const std::string& initial) override
    {
        InputCaptions.push_back(caption);
        InputPrompts.push_back(prompt);
        return Take(InputAnswers).value_or(initial);
    }
    void ShowMessage(const std::string& caption, const std::string& text, MessageIcon icon) override
    {
        Messages.push_back({caption, text, icon});
    }
    void OpenDocument(const std::string& name) override { OpenedDocuments.push_back(name); }

    std::string LastMessage() const { return Messages.empty() ? std::string() : Messages.back().Text; }

private:
    template <class T>
    static std::optional<T> Take(std::deque<std::optional<T>>& queue)
    {
        if (queue.empty()) return std::nullopt;
        auto answer = queue.front();
        queue.pop_front();
        return answer;
    }
};
