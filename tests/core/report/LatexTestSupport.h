#pragma once
// Shared pieces of the LaTeX suites: the sample projects written as
// documents, and reading the expected documents (stored in UTF-8).
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "core/check/ColumnCheck.h"
#include "core/material/MatDataBase.h"
#include "core/report/LatexSettings.h"
#include "core/report/LatexWriter.h"
#include "samples/SampleProjects.h"

namespace tarvo::test {

inline std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The document of a sample project (code page 932 bytes).
inline std::string sampleDocument(samples::SampleProject& project, const LatexLayout& layout = {},
                                  std::string header = std::string(kDefaultLatexHeader)) {
    const MatDataBase catalogue;
    ColumnCheck check(catalogue, project.common);
    LatexWriter writer(check, layout, std::move(header));
    LatexBufferSink sink;
    writer.writeLatexDocument(project.columns, sink);
    return sink.text;
}

inline samples::SampleProject sampleProject(const std::string& fileName) {
    for (auto& project : samples::buildSampleProjects()) {
        if (project.fileName == fileName) return std::move(project);
    }
    return samples::SampleProject{"", CommonData{}, ColumnsData{}};
}

} // namespace tarvo::test
