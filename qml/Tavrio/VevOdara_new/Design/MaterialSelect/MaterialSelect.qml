import QtQuick 2.12
import VNQML 1.0
import "../workmaterial.js" as M

// The material page of the application view: eight built-in material tiles. A tap loads the
// tile's preset from the current user's folder, tells the press when the material or the user
// changed, and opens the work screen.
Item {
    id: root
    objectName: "materialSelectPage"

    readonly property real sw: dShowRatio_W
    readonly property real sh: dShowRatio_H
    readonly property real sm: dShowRatio_Min

    // [command word, picture] by slot index; captions come from the shared table.
    readonly property var tiles: [["main_designer", "主界面"], ["DTF", "DTF"], ["HB", "MDF"], ["HTV", "HTV"], ["cloth", "布艺"], ["crystal", "水晶"], ["metal", "金属板"], ["slate", "石板"]]

    function select(index) {
        if (tiles[index][0] === "")
            return;
        var unchanged = M.para("m_lastUserName", "Guest") === M.userName() && M.materialIndex() === index;
        if (unchanged) {
            M.setPara("m_nNeedSetPara", "0");
        } else {
            M.setPara("m_nNeedSetPara", "1");
            M.setPara("m_nRunSide", "0");
            // The work screen that opens next must follow the platen towards the new
            // destination instead of holding the old one; the press's own signal for this
            // (set_FirstOnTemper below) finds no work screen alive to hear it.
            M.setPara("m_nFirstOnTemper", "0");
        }
        cpp_para.set_para("m_nTabBarIndex", 0);
        M.setPara("m_strMaterialSelName", M.caption(index));
        M.setPara("m_strMaterialSelNameIndex", index);

        var folder = M.userName();
        var file = index + ".ini";
        var temperature = param_mge.try_get_path_fp_para(M.libraryPath(), folder, file, "m_nDestTemperature", "180");
        param_mge.set_path_fp_para(M.libraryPath(), folder, file, "m_nDestTemperature", temperature);
        M.setPara("m_nDestTemperature", temperature);
        M.setPara("m_nDestTimer", param_mge.try_get_path_fp_para(M.libraryPath(), folder, file, "m_nDestTimer", "60"));

        if (!unchanged) {
            M.sendPress("set_temperature");
            M.sendPress("set_FirstOnTemper##1");
        }
        show_qml("qrc:/VevOdara_new/VevOdaraDesigner.qml", m_root);
    }

    Grid {
        x: 20 * sm
        width: 760 * sw
        height: 400 * sh
        columns: 4
        clip: true
        Repeater {
            model: root.tiles.length
            delegate: Item {
                width: 190 * sw
                height: 180 * sh
                VButton_Icon_Text {
                    objectName: "materialTile" + index
                    anchors.fill: parent
                    anchors.margins: 40 * dShowRatio_Min
                    radius: 10 * dShowRatio_Min
                    tag: M.caption(index)
                    tag_normal_color: "white"
                    tag_checked_color: "white"
                    font_pSize: 14 * dShowRatio_Min
                    lbname.lineHeight: 25 * dShowRatio_Min
                    icon_src: "qrc:/VevOdara_new/Image/" + root.tiles[index][1] + ".png"
                    icon_src_checked: icon_src
                    onRelease: root.select(index)
                }
            }
        }
    }
}
