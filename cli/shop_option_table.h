#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/shop_options.h"

namespace segcalc {

// Every shop option once: its name, what its value is called, its help, the
// field the web page's job carries it in and the page's own name for it,
// where its value goes, and which others it needs. segcalc-cli parses by
// this table, its help is written from it, and the page reads its job by it.
struct ShopOptionRow {
  std::string_view name;        // --profile
  std::string_view value_name;  // 深度; empty for an option without a value
  std::string_view help;        // lines of help, '\n' between them
  std::string_view group;       // the heading it is listed under in the help
  std::string_view field;       // the page job's key; empty when not on the page
  std::string_view page_name;   // how the page's messages name it
  std::optional<std::string> ShopOptions::*text = nullptr;
  bool ShopOptions::*flag = nullptr;
  // Another option without which this one means nothing.
  std::string_view needs = {};
  bool batch_only = false;   // --dxf-dir
  bool single_only = false;  // not with --batch
};

std::span<const ShopOptionRow> ShopOptionTable();

// The option a ShopOptions member belongs to.
const ShopOptionRow& RowOf(std::optional<std::string> ShopOptions::*text);

// Who reads the options: segcalc-cli names them --profile, the web page by
// its own words (型材深度).
enum class OptionVoice { Cli, Page };
std::string OptionName(const ShopOptionRow& row, OptionVoice voice);

struct ShopOptionParse {
  bool taken = false;  // the argument was one of the shop options
  std::string error;   // why it was refused
};

// Takes args[i] (name, with any '=value' already split off) when it is a shop
// option, consuming its value from inline_value or args[i + 1].
ShopOptionParse ParseShopOption(std::string_view name, std::optional<std::string_view> inline_value,
                                const std::vector<std::string_view>& args, std::size_t& i,
                                ShopOptions& shop);

// Which shop options go with a batch and which with a single compute, and
// which need one another; empty when the combination is fine.
std::string CheckShopOptions(const ShopOptions& shop, bool batch,
                             OptionVoice voice = OptionVoice::Cli);

// The help of every shop option, group by group.
std::string ShopUsageText();

}  // namespace segcalc
