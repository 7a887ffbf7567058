#pragma once

#include "ProgramFixture.h"

#include "app/SaveFault.h"
#include "toolkit/Dialogs.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

// The program with a fresh folder for its files and scripted dialog answers.
class Files : public Program {
protected:
    std::filesystem::path folder;
    std::vector<std::optional<DialogAnswer>> answers;  // a file, and the filter chosen
    std::vector<std::string> filters;

    void SetUp() override
    {
        Program::SetUp();
        char name[] = "/tmp/vexlor-files-XXXXXX";
        folder = mkdtemp(name);
        FileDialogAnswer = [this](DialogKind, const std::string& filter) {
            filters.push_back(filter);
            auto answer = answers.front();
            answers.erase(answers.begin());
            return answer;
        };
    }
    void TearDown() override
    {
        FileDialogAnswer = nullptr;
        FailFileStep = nullptr;
        std::filesystem::remove_all(folder);
        Program::TearDown();
    }

    void Write(const std::string& name, const std::string& bytes)
    {
        std::ofstream(folder / name, std::ios::binary) << bytes;
    }
    std::string Read(const std::string& name) const
    {
        std::ifstream in(folder / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    // The names in the folder, sorted.
    std::vector<std::string> FilesInFolder() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    void Open(const std::optional<std::string>& name)
    {
        answers = {name ? std::optional<std::string>((folder / *name).string()) : std::nullopt};
        frmHaupt->butOpen.click();
    }
    void Save(const std::optional<std::string>& name)
    {
        answers = {name ? std::optional<std::string>((folder / *name).string()) : std::nullopt};
        frmHaupt->butSave.click();
    }
};
