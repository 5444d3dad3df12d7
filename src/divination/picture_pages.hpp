#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnel {

// The illustrated articles of the 风水, 面相, 痣相 and 手相 menus.
struct ArticleItem {
    std::string_view caption;  // the menu item, also the viewer's caption
    int number;
};
const std::vector<ArticleItem>& ArticleItems();
// The article number of a menu caption; nothing for another caption.
std::optional<int> ArticleNumberOf(std::string_view caption);

inline constexpr int kMaxArticlePages = 15;

// One page of an article: an SVG picture and the text beneath it.
struct ArticlePage {
    std::string picture;
    std::string text;
};

// The pages of an article in order (at most 15); none for an unknown number. A store failure
// throws StoreError.
std::vector<ArticlePage> LoadArticlePages(int number);

}  // namespace varnel
