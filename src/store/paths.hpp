#pragma once

#include <filesystem>

namespace varnel {

// The folder that holds the knowledge files: the folder of the running executable, unless
// the environment variable VARNEL_KNOWLEDGE_DIR names another one.
std::filesystem::path KnowledgeDir();

std::filesystem::path DreamPath();       // dream.dll
std::filesystem::path BrennFilePath();   // BrennFile.dll
std::filesystem::path BrennBirthPath();  // BrennBirth.dll
std::filesystem::path TgcodePath();      // Tgcode.dll
std::filesystem::path ShenshaDir();      // shensha/

}  // namespace varnel
