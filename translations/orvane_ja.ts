<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>Orvane</name>
    <message>
        <source>equals</source>
        <translation>イコール</translation>
    </message>
    <message>
        <source>Evaluates the whole expression and shows the answer.</source>
        <translation>式全体を計算して、答えを表示します。</translation>
    </message>
    <message>
        <source>clear all</source>
        <translation>オールクリア</translation>
    </message>
    <message>
        <source>Clears the expression and the answer.</source>
        <translation>式と答えを消去します。</translation>
    </message>
    <message>
        <source>Types the digit 0.</source>
        <translation>数字の0を入力します。</translation>
    </message>
    <message>
        <source>Types the digit 1.</source>
        <translation>数字の1を入力します。</translation>
    </message>
    <message>
        <source>Types the digit 2.</source>
        <translation>数字の2を入力します。</translation>
    </message>
    <message>
        <source>Types the digit 3.</source>
        <translation>数字の3を入力します。</translation>
    </message>
    <message>
        <source>Types the digit 4.</source>
        <translation>数字の4を入力します。</translation>
    </message>
    <message>
        <source>Types the digit 5.</source>
        <translation>数字の5を入力します。</translation>
    </message>
    <message>
        <source>Types the digit 6.</source>
        <translation>数字の6を入力します。</translation>
    </message>
    <message>
        <source>Types the digit 7.</source>
        <translation>数字の7を入力します。</translation>
    </message>
    <message>
        <source>Types the digit 8.</source>
        <translation>数字の8を入力します。</translation>
    </message>
    <message>
        <source>Types the digit 9.</source>
        <translation>数字の9を入力します。</translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation>小数点</translation>
    </message>
    <message>
        <source>Types a decimal point in the number being typed.</source>
        <translation>入力中の数値に小数点を入力します。</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>プラス</translation>
    </message>
    <message>
        <source>Adds: types the plus operator.</source>
        <translation>足し算: プラス記号を入力します。</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>マイナス</translation>
    </message>
    <message>
        <source>Subtracts: types the minus operator, or a minus sign before a number.</source>
        <translation>引き算: マイナス記号を入力します。数値の前では負の符号になります。</translation>
    </message>
    <message>
        <source>times</source>
        <translation>かける</translation>
    </message>
    <message>
        <source>Multiplies: types the times operator.</source>
        <translation>掛け算: かける記号を入力します。</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>わる</translation>
    </message>
    <message>
        <source>Divides: types the divide operator.</source>
        <translation>割り算: わる記号を入力します。</translation>
    </message>
    <message>
        <source>open parenthesis</source>
        <translation>開き括弧</translation>
    </message>
    <message>
        <source>Opens a parenthesised group.</source>
        <translation>括弧を開きます。</translation>
    </message>
    <message>
        <source>close parenthesis</source>
        <translation>閉じ括弧</translation>
    </message>
    <message>
        <source>Closes the innermost open parenthesised group.</source>
        <translation>いちばん内側の開いている括弧を閉じます。</translation>
    </message>
    <message>
        <source>backspace</source>
        <translation>バックスペース</translation>
    </message>
    <message>
        <source>Backspace: deletes the last character or the last whole token of the expression.</source>
        <translation>バックスペース: 式の最後の1文字、または最後の項をまるごと削除します。</translation>
    </message>
    <message>
        <source>copy the expression</source>
        <translation>式をコピー</translation>
    </message>
    <message>
        <source>Copies the expression to the clipboard.</source>
        <translation>式をクリップボードにコピーします。</translation>
    </message>
    <message>
        <source>copy the answer</source>
        <translation>答えをコピー</translation>
    </message>
    <message>
        <source>Copies the answer to the clipboard.</source>
        <translation>答えをクリップボードにコピーします。</translation>
    </message>
    <message>
        <source>store the answer in memory 1</source>
        <translation>答えをメモリ1に代入</translation>
    </message>
    <message>
        <source>Stores the current answer in memory 1.</source>
        <translation>現在の答えをメモリ1に記憶します。</translation>
    </message>
    <message>
        <source>store the answer in memory 2</source>
        <translation>答えをメモリ2に代入</translation>
    </message>
    <message>
        <source>Stores the current answer in memory 2.</source>
        <translation>現在の答えをメモリ2に記憶します。</translation>
    </message>
    <message>
        <source>recall memory 1</source>
        <translation>メモリ1を呼び出し</translation>
    </message>
    <message>
        <source>Puts the value of memory 1 into the expression.</source>
        <translation>メモリ1の値を式に入れます。</translation>
    </message>
    <message>
        <source>recall memory 2</source>
        <translation>メモリ2を呼び出し</translation>
    </message>
    <message>
        <source>Puts the value of memory 2 into the expression.</source>
        <translation>メモリ2の値を式に入れます。</translation>
    </message>
    <message>
        <source>clear memory 1</source>
        <translation>メモリ1をクリア</translation>
    </message>
    <message>
        <source>Clears memory 1.</source>
        <translation>メモリ1を消去します。</translation>
    </message>
    <message>
        <source>clear memory 2</source>
        <translation>メモリ2をクリア</translation>
    </message>
    <message>
        <source>Clears memory 2.</source>
        <translation>メモリ2を消去します。</translation>
    </message>
    <message>
        <source>power</source>
        <translation>べき乗</translation>
    </message>
    <message>
        <source>Raises the number before it to the power of the number after it.</source>
        <translation>前の数値を、後の数値で累乗します。</translation>
    </message>
    <message>
        <source>root</source>
        <translation>累乗根</translation>
    </message>
    <message>
        <source>Takes a root: the degree is the number before it (2 if none), the radicand the one after.</source>
        <translation>累乗根: 前の数値が次数（なければ2）、後の数値が根号の中の数です。</translation>
    </message>
    <message>
        <source>pi</source>
        <translation>円周率</translation>
    </message>
    <message>
        <source>Types pi, the ratio of a circle&apos;s circumference to its diameter.</source>
        <translation>円周率パイを入力します。</translation>
    </message>
    <message>
        <source>sine</source>
        <translation>サイン</translation>
    </message>
    <message>
        <source>Types the sine function, in degrees.</source>
        <translation>サイン関数を入力します。角度は度数です。</translation>
    </message>
    <message>
        <source>cosine</source>
        <translation>コサイン</translation>
    </message>
    <message>
        <source>Types the cosine function, in degrees.</source>
        <translation>コサイン関数を入力します。角度は度数です。</translation>
    </message>
    <message>
        <source>tangent</source>
        <translation>タンジェント</translation>
    </message>
    <message>
        <source>Types the tangent function, in degrees.</source>
        <translation>タンジェント関数を入力します。角度は度数です。</translation>
    </message>
    <message>
        <source>arcsine</source>
        <translation>アークサイン</translation>
    </message>
    <message>
        <source>Types the arcsine function; the result is in degrees.</source>
        <translation>アークサイン関数を入力します。結果は度数です。</translation>
    </message>
    <message>
        <source>arccosine</source>
        <translation>アークコサイン</translation>
    </message>
    <message>
        <source>Types the arccosine function; the result is in degrees.</source>
        <translation>アークコサイン関数を入力します。結果は度数です。</translation>
    </message>
    <message>
        <source>arctangent</source>
        <translation>アークタンジェント</translation>
    </message>
    <message>
        <source>Types the arctangent function; the result is in degrees.</source>
        <translation>アークタンジェント関数を入力します。結果は度数です。</translation>
    </message>
    <message>
        <source>cosecant</source>
        <translation>コセカント</translation>
    </message>
    <message>
        <source>Types the cosecant function, in degrees.</source>
        <translation>コセカント関数を入力します。角度は度数です。</translation>
    </message>
    <message>
        <source>secant</source>
        <translation>セカント</translation>
    </message>
    <message>
        <source>Types the secant function, in degrees.</source>
        <translation>セカント関数を入力します。角度は度数です。</translation>
    </message>
    <message>
        <source>cotangent</source>
        <translation>コタンジェント</translation>
    </message>
    <message>
        <source>Types the cotangent function, in degrees.</source>
        <translation>コタンジェント関数を入力します。角度は度数です。</translation>
    </message>
    <message>
        <source>inverse cosecant, not available</source>
        <translation>アークコセカント、使用できません</translation>
    </message>
    <message>
        <source>The inverse cosecant is not available.</source>
        <translation>アークコセカントは使用できません。</translation>
    </message>
    <message>
        <source>inverse secant, not available</source>
        <translation>アークセカント、使用できません</translation>
    </message>
    <message>
        <source>The inverse secant is not available.</source>
        <translation>アークセカントは使用できません。</translation>
    </message>
    <message>
        <source>inverse cotangent, not available</source>
        <translation>アークコタンジェント、使用できません</translation>
    </message>
    <message>
        <source>The inverse cotangent is not available.</source>
        <translation>アークコタンジェントは使用できません。</translation>
    </message>
    <message>
        <source>expression</source>
        <translation>式</translation>
    </message>
    <message>
        <source>The expression being typed.</source>
        <translation>入力中の式です。</translation>
    </message>
    <message>
        <source>answer</source>
        <translation>答え</translation>
    </message>
    <message>
        <source>The answer of the last evaluation, or why it failed.</source>
        <translation>最後の計算の答え、または計算できなかった理由です。</translation>
    </message>
    <message>
        <source>memory 1</source>
        <translation>メモリ1</translation>
    </message>
    <message>
        <source>The value stored in memory 1.</source>
        <translation>メモリ1に記憶した値です。</translation>
    </message>
    <message>
        <source>memory 2</source>
        <translation>メモリ2</translation>
    </message>
    <message>
        <source>The value stored in memory 2.</source>
        <translation>メモリ2に記憶した値です。</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Holds the command that ends the calculator.</source>
        <translation>電卓を終了するコマンドがあります。</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Closes every window of the calculator and ends it.</source>
        <translation>電卓のすべてのウィンドウを閉じて終了します。</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Copies the expression or the answer to the clipboard.</source>
        <translation>式または答えをクリップボードにコピーします。</translation>
    </message>
    <message>
        <source>Copy expression</source>
        <translation>式をコピー</translation>
    </message>
    <message>
        <source>Copy answer</source>
        <translation>答えをコピー</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Shows the version information.</source>
        <translation>バージョン情報を表示します。</translation>
    </message>
    <message>
        <source>Version information</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Opens the window with the calculator&apos;s version.</source>
        <translation>電卓のバージョンを示すウィンドウを開きます。</translation>
    </message>
    <message>
        <source>Orvane icon</source>
        <translation>Orvaneのアイコン</translation>
    </message>
    <message>
        <source>display</source>
        <translation>表示部</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Closes the version window.</source>
        <translation>バージョン情報のウィンドウを閉じます。</translation>
    </message>
    <message>
        <source>cleared</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>できません</translation>
    </message>
    <message>
        <source>deleted %1</source>
        <translation>%1 を削除</translation>
    </message>
    <message>
        <source>memory 1, %1</source>
        <translation>メモリ1、%1</translation>
    </message>
    <message>
        <source>memory 2, %1</source>
        <translation>メモリ2、%1</translation>
    </message>
    <message>
        <source>memory 1 stored: %1</source>
        <translation>メモリ1に記憶、%1</translation>
    </message>
    <message>
        <source>memory 2 stored: %1</source>
        <translation>メモリ2に記憶、%1</translation>
    </message>
    <message>
        <source>memory 1 recalled: %1</source>
        <translation>メモリ1を呼び出し、%1</translation>
    </message>
    <message>
        <source>memory 2 recalled: %1</source>
        <translation>メモリ2を呼び出し、%1</translation>
    </message>
    <message>
        <source>memory 1 cleared</source>
        <translation>メモリ1をクリア</translation>
    </message>
    <message>
        <source>memory 2 cleared</source>
        <translation>メモリ2をクリア</translation>
    </message>
    <message>
        <source>The parentheses do not balance.</source>
        <translation>括弧の数があいません。</translation>
    </message>
    <message>
        <source>The expression is incomplete.</source>
        <translation>式が不完全です</translation>
    </message>
    <message>
        <source>The number is not valid.</source>
        <translation>数値が正しくありません</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>空</translation>
    </message>
    <message>
        <source>%1 version information</source>
        <translation>%1のバージョン情報</translation>
    </message>
    <message>
        <source>%1, version %2.</source>
        <translation>%1、バージョン %2。</translation>
    </message>
    <message>
        <source>version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>Scientific calculator with formula entry</source>
        <translation>式入力型関数電卓</translation>
    </message>
    <message>
        <source>Please report defects by mail to %1</source>
        <translation>不具合は%1 までメールでお知らせください</translation>
    </message>
    <message>
        <source>Answer: %1.</source>
        <translation>答えは %1。</translation>
    </message>
    <message>
        <source>No answer.</source>
        <translation>答えはまだありません。</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>答えなし</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>わる</translation>
    </message>
    <message>
        <source>to the power of</source>
        <translation>の累乗</translation>
    </message>
    <message>
        <source>%1. %2.</source>
        <translation>%1。%2。</translation>
    </message>
    <message>
        <source>Screen readers: just type; Tab moves through the keys.</source>
        <translation>スクリーンリーダー：そのまま入力できます。Tab でキーを移動します。</translation>
    </message>
    <message>
        <source>digit %1</source>
        <translation>数字 %1</translation>
    </message>
    <message>
        <source>copied %1</source>
        <translation>%1 をコピー</translation>
    </message>
    <message>
        <source>pasted %1</source>
        <translation>%1 を貼り付け</translation>
    </message>
    <message>
        <source>nothing pasted: the clipboard holds no text</source>
        <translation>貼り付けなし：クリップボードに文字がありません</translation>
    </message>
    <message>
        <source>nothing pasted: the text is too long</source>
        <translation>貼り付けなし：文字が長すぎます</translation>
    </message>
    <message>
        <source>nothing pasted: “%1” has no key</source>
        <translation>貼り付けなし：「%1」のキーはありません</translation>
    </message>
    <message>
        <source>nothing pasted: %1 is refused there</source>
        <translation>貼り付けなし：ここでは %1 を入力できません</translation>
    </message>
    <message>
        <source>Expression: %1. %2</source>
        <translation>式：%1。%2</translation>
    </message>
    <message>
        <source>Key: %1</source>
        <translation>キー：%1</translation>
    </message>
    <message>
        <source>%1 says the expression.</source>
        <translation>%1 で式を読み上げます。</translation>
    </message>
    <message>
        <source>say the expression and the answer</source>
        <translation>式と答えを読み上げ</translation>
    </message>
    <message>
        <source>paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>menu bar</source>
        <translation>メニューバー</translation>
    </message>
</context>
</TS>
