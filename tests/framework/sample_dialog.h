#pragma once

#include "framework/cdialog.h"
#include "framework/data_exchange.h"
#include "framework/ip_address_ctrl.h"
#include "resources/resource_ids.h"

#include <string>
#include <vector>

namespace tqr::test {

// A dialog over the sample form with one member per kind of exchange.
class SampleDialog : public fw::CDialog {
  public:
    SampleDialog() : CDialog(res::kSampleForm)
    {
        on_clicked(61, [this] { log.push_back("act"); });
        on_text_changed(20, [this] { log.push_back("text20"); });
        on_selection_changed(40, [this] { log.push_back("list40"); });
        on_clicked(10, [this] { log.push_back("radio10"); });
    }

    int mode = 1;
    int number = 7;
    std::string name = "abc";
    unsigned count = 3;
    int flag = 1;
    int choice = 2;
    std::string secret = "12";
    fw::CIPAddressCtrl ip;
    std::vector<std::string> log;
    int init_calls = 0;

  protected:
    void exchange_data(fw::CDataExchange& dx) override
    {
        fw::DDX_Control(dx, 50, ip);
        fw::DDX_Radio(dx, 10, mode);
        fw::DDX_Text(dx, 20, number);
        fw::DDV_MinMaxInt(dx, number, -5, 50);
        fw::DDX_Text(dx, 21, name);
        fw::DDV_MaxChars(dx, name, 5);
        fw::DDX_Text(dx, 22, count);
        fw::DDV_MinMaxUInt(dx, count, 1, 10);
        fw::DDX_Check(dx, 30, flag);
        fw::DDX_CBIndex(dx, 40, choice);
        fw::DDX_Text(dx, 24, secret);
    }
    bool on_init() override
    {
        ++init_calls;
        return true;
    }
};

} // namespace tqr::test
