// A frame stand-in for page tests: records what the page asked of it and
// answers router tasks with preset results.
#pragma once

#include "WizardData.h"
#include "WizardHost.h"

#include <deque>
#include <vector>

class FakeWizardHost : public WizardHost {
public:
    WizardData& Data() override { return data; }

    std::optional<int> RunProgressTask(int task) override
    {
        tasksRun.push_back(task);
        if (taskResults.empty())
            return std::nullopt;
        const std::optional<int> result = taskResults.front();
        taskResults.pop_front();
        return result;
    }

    void ChooseConnectionType(int wanType) override { chosenTypes.push_back(wanType); }
    void LeaveConnectionTypePage() override { ++leftConnectionPage; }
    void LanguageChosen() override { languageChosenWith.push_back(data.language.GetLanguageFile()); }

    WizardData data;
    std::deque<std::optional<int>> taskResults;
    std::vector<int> tasksRun;
    std::vector<int> chosenTypes;
    int leftConnectionPage = 0;
    std::vector<QString> languageChosenWith;
};
