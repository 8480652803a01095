#pragma once

namespace kelvora {

// The five pages of the main window, in tab order.
enum class PageId { Diary, Clients, Expenses, Income, Office };

} // namespace kelvora
