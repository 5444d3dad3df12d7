#pragma once

#include <string_view>

namespace varnel::app {

// The addresses and contact data the help menu hands out; one constant each.
inline constexpr std::string_view kSupportMail = "support@varnel.example.com";
inline constexpr std::string_view kHomePage = "https://www.varnel.example.com/";
inline constexpr std::string_view kBannerPage = "https://www.varnel.example.com/news/";
inline constexpr std::string_view kChatHost = "https://chat.varnel.example.com";
inline constexpr std::string_view kChatAccount = "800012345";
inline constexpr std::string_view kChatSite = "varnel";
inline constexpr std::string_view kSupportPhone = "010-5555-0100";
inline constexpr std::string_view kBusinessMail = "partner@varnel.example.com";
inline constexpr std::string_view kHelpFile = "help/index.html";

}  // namespace varnel::app
